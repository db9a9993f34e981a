#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class Platform;
class QComboBox;
class QLabel;
class QListWidget;
class QWidget;
class Tournament;
struct FileResult;
struct TEquipe;
struct TRencontre;

// What every notebook page shares with the window around it: the tournament
// and its folder by reference, the platform for boxes and pictures, and the
// window's answers to what a page cannot decide alone (the save option sits
// on "Welcome", the boxes belong to the window).
struct PageContext
{
    Tournament &tournament;
    const QString &folder;
    Platform &platform;
    QWidget *window;                                         // the parent of the boxes a page shows
    std::function<bool()> autoSave;                          // "Automatic save when changes are done."
    std::function<void(const FileResult &)> reportResult;          // the error box for a failed read or write
    std::function<bool(const QString &, const QStringList &)> ask; // a Yes/No question, true on Yes

    // The line of the questions before a change that says when the files change.
    QString whenWritten() const;
};

namespace PageParts {

extern const QStringList kLetters;

enum Completion { WithCompletion, WithoutCompletion };

// An editable drop-down with no insertion, its text empty.
QComboBox *liste(QWidget *parent, const char *name, int x, int y, int w, const QStringList &items = {},
                 Completion completion = WithCompletion);
// A page background, behind every other control and loaded only when "Images" is checked.
QLabel *fond(QWidget *page, const char *name);
// Fills list with the team's players, in squad order.
void fillSquad(QListWidget *list, const TEquipe *team);
// The team named teamText in the group lettered groupText, or nullptr.
TEquipe *teamOfGroup(Tournament &t, const QString &groupText, const QString &teamText);
// "Team 1 - Team 2  2-1", a recorded match as the questions name it.
QString matchText(const TRencontre &m);

} // namespace PageParts
