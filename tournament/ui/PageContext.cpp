#include "tournament/ui/PageContext.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "tournament/model/Tournament.h"
#include "tournament/ui/Look.h"

using Look::make;

QString PageContext::whenWritten() const
{
    return autoSave() ? QStringLiteral("The files will be changed at once.")
                       : QStringLiteral("The files change only when you save.");
}

namespace PageParts {

const QStringList kLetters = {"A", "B", "C", "D", "E", "F", "G", "H"};

QComboBox *liste(QWidget *parent, const char *name, int x, int y, int w, const QStringList &items,
                 Completion completion)
{
    // The lists are drop-downs with a text of their own, as the handlers empty
    // the text and the items separately.
    auto *box = make<QComboBox>(parent, name, x, y, w, 26);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    // A group letter is one key: completing it would only bring back "A"
    // after a letter that names no group was typed and emptied (the
    // completion ignores case), and Enter would then load group A.
    if (completion == WithoutCompletion)
        box->setCompleter(nullptr);
    return box;
}

QLabel *fond(QWidget *page, const char *name)
{
    auto *label = make<QLabel>(page, name, 0, 0, 645, 317);
    label->setScaledContents(true);
    label->lower();
    return label;
}

void fillSquad(QListWidget *list, const TEquipe *team)
{
    list->clear();
    if (!team)
        return;
    for (const TJoueur &p : team->squad) {
        if (p.name.isEmpty())
            break;
        list->addItem(p.name.text());
    }
}

TEquipe *teamOfGroup(Tournament &t, const QString &groupText, const QString &teamText)
{
    return findTeamInGroup(t.findGroup(groupText), ShortName::fromText(teamText));
}

QString matchText(const TRencontre &m)
{
    // One call for all four, so that a "%1" in a team name stays text.
    return QStringLiteral("%1 - %2  %3-%4").arg(m.team1.text(), m.team2.text(), QString::number(m.score1),
                                                QString::number(m.score2));
}

} // namespace PageParts
