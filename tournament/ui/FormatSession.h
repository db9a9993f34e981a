#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QString>

#include "tournament/format/FormatTournament.h"

// A tournament of any format as the window plays it: the tournament, its
// folder and its standings, ranked again after every change. Every change
// is written at once (both files as one set), so that closing the window
// never loses a result; a failed write keeps the change in memory and says
// why.
class FormatSession : public QObject
{
    Q_OBJECT
public:
    FormatSession(FormatTournament tournament, const QString &dir, QObject *parent = nullptr);

    const FormatTournament &tournament() const { return m_t; }
    const FormatStandings &standings() const { return m_standings; }
    const QString &dir() const { return m_dir; }

    // Changes the tournament through edit, ranks it again, writes the folder
    // and tells the pages. Returns the write's error, empty on success.
    QString change(const std::function<void(FormatTournament &)> &edit);

    // The team's flag from the folder, scaled to the height asked for and
    // kept for the next call; a null pixmap when the team has none.
    QPixmap flag(int team, int height);

    // "Group A".
    QString groupName(int group) const;
    // The group letters of the format, "A" to the last.
    QStringList groupLetters() const;

signals:
    void changed();

private:
    FormatTournament m_t;
    QString m_dir;
    FormatStandings m_standings;
    QHash<QString, QPixmap> m_flags;
};
