#pragma once

#include <functional>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "tournament/ui/Platform.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/ClassificationsPage.h"
#include "tournament/ui/EditTeamPage.h"
#include "tournament/ui/NewResultPage.h"
#include "tournament/ui/PlayedMatchesPage.h"
#include "tournament/ui/StatisticsPage.h"
#include "tournament/ui/WelcomePage.h"

class QComboBox;
class QDialog;

// Records every message box instead of showing it, and answers the question
// dialogs with the button named by `answer` ("Oui" unless a test says
// otherwise; an empty name presses Escape).
class ScriptedPlatform : public Platform
{
public:
    void fileError(QWidget *, const QString &file) override
    {
        messages << QStringLiteral("File Error !");
        fileList << file;
    }
    void systemError(QWidget *, const QString &message) override { messages << message; }
    bool ask(QDialog *dialog) override;
    // The next of `files` (an empty name once they are used up), as if the user chose it.
    QString chooseFile(QWidget *, const QString &, const QString &) override { return files.isEmpty() ? QString() : files.takeFirst(); }
    QString chooseFolder(QWidget *, const QString &) override { return files.isEmpty() ? QString() : files.takeFirst(); }

    QStringList files;     // the answers of the file and folder dialogs, in turn
    QStringList messages;
    QStringList fileList;  // the files the "File Error !" boxes named
    QStringList questions; // the captions of the question dialogs shown
    QString answer = QStringLiteral("Oui");
    // Called while a question dialog is up, before it is answered (to look at it).
    std::function<void(QDialog *)> duringQuestion;
};

// Records written from the file layouts: 32-bit little-endian integers, names
// as a length byte followed by 20 bytes, padding and links as zeros.
namespace Bytes {

QByteArray int32Bytes(qint32 value);
QByteArray nom(const QByteArray &name);

struct Joueur
{
    QByteArray name;
    qint32 goals = 0;
};

// 712 bytes.
QByteArray equipe(const QByteArray &name, qint32 played, qint32 points, qint32 goalsFor, qint32 goalsAgainst,
                  const QByteArray &flag, const QList<Joueur> &players);
// 56 bytes.
QByteArray match(char code, const QByteArray &team1, const QByteArray &team2, qint32 score1, qint32 score2);

} // namespace Bytes

// A small tournament for the window tests: team i (0..3) of group g is named
// "Team " + letter + (i + 1), with the squad "Striker X", "Zo\xe9 X" and
// "Keeper X" (X = letter + (i + 1)) and the flag of an example team.
namespace Fixture {

QByteArray teamName(char group, int index);
QList<Bytes::Joueur> squad(char group, int index, qint32 strikerGoals = 0);
QByteArray flagBytes(char group, int index);

// Writes the eight group files with no result yet and copies the example's pictures.
void prepare(const QString &dir);

QByteArray lit(const QString &path);

// The main window of the tournament in DIR as the user has it once the
// welcome box's seven seconds are over, its message boxes scripted.
struct Session
{
    explicit Session(const QString &dir);
    ScriptedPlatform platform;
    TForm1 form;
};

// Picks TEXT in a drop-down list as a click on that entry would; fails the
// test when the list does not hold it.
void chooses(QComboBox *box, const QString &text);

} // namespace Fixture
