#include "tournament/ui/FormatSession.h"

#include <QDir>

#include "tournament/format/FormatCorrections.h"
#include "tournament/format/FormatFiles.h"
#include "tournament/ui/Look.h"

FormatSession::FormatSession(FormatTournament tournament, const QString &dir, QObject *parent)
    : QObject(parent), m_t(std::move(tournament)), m_dir(dir), m_standings(rankFormat(m_t))
{
}

QString FormatSession::change(const std::function<void(FormatTournament &)> &edit)
{
    const std::vector<FormatGroupMatch> before = m_t.groupMatches;
    edit(m_t);
    // A group result changed or taken back may leave a drawing of lots
    // standing on a tie that is no more, and knock-out results on slots
    // that changed: whoever edits asks first, and what still does not fit
    // is taken back here, so that the folder always reads back.
    if (m_t.groupMatches != before)
        FormatCorrections::dropUnfitting(m_t);
    // The standings hold pointers into the knock-out list, which the edit
    // may have moved: they are made again before anyone reads them.
    m_standings = rankFormat(m_t);
    const FileResult written = FormatFiles::save(m_t, m_dir);
    emit changed();
    return written.ok ? QString() : written.error;
}

QPixmap FormatSession::flag(int team, int height)
{
    if (team < 0 || team >= m_t.teamCount() || m_t.team(team).flag.isEmpty())
        return QPixmap();
    const QString key = m_t.team(team).flag + QLatin1Char('/') + QString::number(height);
    const auto found = m_flags.constFind(key);
    if (found != m_flags.constEnd())
        return *found;
    QPixmap full;
    if (Look::readPicture(full, QDir(m_dir).filePath(m_t.team(team).flag + QStringLiteral(".bmp"))))
        full = full.scaledToHeight(height, Qt::SmoothTransformation);
    m_flags.insert(key, full);
    return full;
}

QString FormatSession::groupName(int group) const
{
    return QStringLiteral("Group %1").arg(QChar('A' + group));
}

QStringList FormatSession::groupLetters() const
{
    QStringList out;
    for (int g = 0; g < m_t.format.groups; ++g)
        out << QString(QChar('A' + g));
    return out;
}
