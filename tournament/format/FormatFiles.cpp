#include "tournament/format/FormatFiles.h"

#include <set>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/AtomicFile.h"
#include "common/BoundedFile.h"

namespace FormatFiles {

namespace {

QString pathIn(const QString &dir, const char *name)
{
    return QDir(dir).filePath(QString::fromLatin1(name));
}

class Decoder
{
public:
    Decoder(FormatTournament &t, const QString &file) : m_t(t), m_file(file) {}
    bool run(const QByteArray &bytes);
    QString error;

private:
    bool fail(int line, const QString &what)
    {
        error = QStringLiteral("%1: line %2: %3").arg(m_file, QString::number(line), what);
        return false;
    }
    bool number(int line, const QString &text, int lo, int hi, const QString &what, int *out)
    {
        bool ok = false;
        const int v = text.toInt(&ok);
        for (QChar c : text)
            ok = ok && c.unicode() >= '0' && c.unicode() <= '9';
        if (!ok || v < lo || v > hi)
            return fail(line, QStringLiteral("expected %1 (%2 to %3), found \"%4\"").arg(what).arg(lo).arg(hi).arg(text));
        *out = v;
        return true;
    }
    bool team(int line, const QString &name, int *out)
    {
        *out = m_t.findTeam(name);
        if (*out < 0)
            return fail(line, QStringLiteral("expected a team of the groups, found \"%1\"").arg(name));
        return true;
    }
    // "2-1" into a and b; an empty field leaves both at -1 (no such part).
    bool pair(int line, const QString &text, int *a, int *b)
    {
        if (text.isEmpty())
            return true;
        const qsizetype dash = text.indexOf(QLatin1Char('-'));
        return dash > 0
                   ? number(line, text.left(dash), 0, MaxScore, QStringLiteral("a score"), a)
                         && number(line, text.mid(dash + 1), 0, MaxScore, QStringLiteral("a score"), b)
                   : fail(line, QStringLiteral("expected a score such as \"1-1\", found \"%1\"").arg(text));
    }
    bool record(int line, const QStringList &f);

    FormatTournament &m_t;
    QString m_file;
    int m_teams = 0;
    std::set<std::pair<int, int>> m_pairs;
    std::set<int> m_numbers;
    bool m_header = false;
    bool m_format = false;
};

bool validName(const QString &name)
{
    if (name.isEmpty() || name.size() > FormatTeam::kMaxNameLength || name != name.trimmed())
        return false;
    for (QChar c : name)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return false;
    return true;
}

bool Decoder::record(int line, const QStringList &f)
{
    const QString &kind = f[0];
    const auto fields = [&](int n) {
        if (f.size() == n)
            return true;
        return fail(line, QStringLiteral("expected %1 fields in a \"%2\" record, found %3").arg(QString::number(n), kind, QString::number(f.size())));
    };
    if (!m_header) {
        if (kind != QLatin1String("trophex-tournament") || f.size() != 2 || f[1] != QLatin1String("1"))
            return fail(line, QStringLiteral("expected the record \"trophex-tournament 1\" as the first line"));
        m_header = true;
        return true;
    }
    if (!m_format) {
        if (kind != QLatin1String("format") || !fields(2))
            return fail(line, QStringLiteral("expected the \"format\" record as the second line"));
        if (f[1] != m_t.format.name)
            return fail(line, QStringLiteral("this tournament is one of the format \"%1\", but %2 describes \"%3\"; the "
                                             "folder was written in part")
                                  .arg(f[1], QString::fromLatin1(FormatFileName), m_t.format.name));
        m_format = true;
        return true;
    }
    const int groupCount = m_t.format.groups;
    if (kind == QLatin1String("team")) {
        if (!fields(4))
            return false;
        if (m_teams >= groupCount * 4)
            return fail(line, QStringLiteral("expected %1 teams, four to a group; found more").arg(groupCount * 4));
        const QString letter(QChar('A' + m_teams / 4));
        if (f[1] != letter)
            return fail(line, QStringLiteral("expected a team of group %1, found group \"%2\"").arg(letter, f[1]));
        if (!validName(f[2]))
            return fail(line, QStringLiteral("expected a team name of 1 to %1 characters").arg(FormatTeam::kMaxNameLength));
        if (m_t.findTeam(f[2]) >= 0)
            return fail(line, QStringLiteral("the team %1 is named twice").arg(f[2]));
        if (m_teams % 4 == 0) {
            FormatGroup g;
            g.letter = char('A' + m_teams / 4);
            m_t.groups.push_back(g);
        }
        if (f[3].size() > FormatTeam::kMaxNameLength || (!f[3].isEmpty() && !validName(f[3])))
            return fail(line, QStringLiteral("expected a flag name of at most %1 characters").arg(FormatTeam::kMaxNameLength));
        FormatTeam &e = m_t.groups.back().teams[size_t(m_teams % 4)];
        e.name = f[2];
        e.flag = f[3];
        ++m_teams;
        return true;
    }
    if (m_teams != groupCount * 4)
        return fail(line, QStringLiteral("expected %1 \"team\" records before the others, found %2")
                              .arg(groupCount * 4).arg(m_teams));
    if (kind == QLatin1String("player")) {
        int t = -1, goals = 0;
        if (!fields(4) || !team(line, f[1], &t) || !number(line, f[3], 0, MaxGoals, QStringLiteral("goals"), &goals))
            return false;
        FormatTeam &e = m_t.team(t);
        if (!validName(f[2]))
            return fail(line, QStringLiteral("expected a player's name of 1 to %1 characters").arg(FormatTeam::kMaxNameLength));
        if (e.players.size() >= FormatTeam::kMaxPlayers)
            return fail(line, QStringLiteral("the squad of %1 already holds %2 players").arg(e.name, QString::number(FormatTeam::kMaxPlayers)));
        if (e.players.contains(f[2]))
            return fail(line, QStringLiteral("%1 is twice in the squad of %2").arg(f[2], e.name));
        e.players << f[2];
        e.goals << goals;
        return true;
    }
    if (kind == QLatin1String("group")) {
        int a = -1, b = -1, s1 = 0, s2 = 0;
        if (!fields(5) || !team(line, f[1], &a) || !team(line, f[2], &b)
            || !number(line, f[3], 0, MaxScore, QStringLiteral("a score"), &s1)
            || !number(line, f[4], 0, MaxScore, QStringLiteral("a score"), &s2))
            return false;
        if (a / 4 != b / 4 || a == b)
            return fail(line, QStringLiteral("%1 and %2 are not two teams of one group").arg(f[1], f[2]));
        if (!m_pairs.insert(std::minmax(a, b)).second)
            return fail(line, QStringLiteral("%1 and %2 have played their group match already").arg(f[1], f[2]));
        m_t.groupMatches.push_back({a, b, s1, s2});
        return true;
    }
    if (kind == QLatin1String("knockout")) {
        FormatKnockoutMatch k;
        if (f.size() != 9 && !fields(6))
            return false;
        if (!number(line, f[1], 1, 999, QStringLiteral("a match number"), &k.number)
            || !team(line, f[2], &k.team1) || !team(line, f[3], &k.team2)
            || !number(line, f[4], 0, MaxScore, QStringLiteral("a score"), &k.score1)
            || !number(line, f[5], 0, MaxScore, QStringLiteral("a score"), &k.score2))
            return false;
        if (m_t.format.indexOf(k.number) < 0)
            return fail(line, QStringLiteral("%1 has no match %2").arg(m_t.format.name, QString::number(k.number)));
        if (!m_numbers.insert(k.number).second)
            return fail(line, QStringLiteral("match %1 is recorded twice").arg(k.number));
        if (k.score1 == k.score2 || k.team1 == k.team2)
            return fail(line, QStringLiteral("expected a knock-out match of two teams with a winner"));
        if (f.size() == 9) {
            if (!pair(line, f[6], &k.parts.regular1, &k.parts.regular2)
                || !pair(line, f[7], &k.parts.extra1, &k.parts.extra2)
                || !pair(line, f[8], &k.parts.kicks1, &k.parts.kicks2))
                return false;
            if (!k.parts.fits(k.score1, k.score2))
                return fail(line, QStringLiteral("expected the score after 90 minutes, after extra time and the "
                                                 "shoot-out to add up to %1-%2, found \"%3\"")
                                      .arg(k.score1).arg(k.score2).arg(f.mid(6).join(QLatin1Char(' '))));
        }
        m_t.knockout.push_back(k);
        return true;
    }
    if (kind == QLatin1String("decide")) {
        TieDecision d;
        if (f.size() < 3 || f.size() > 1 + 12)
            return fail(line, QStringLiteral("expected 2 to 12 teams in a \"decide\" record"));
        for (int i = 1; i < f.size(); ++i) {
            int n = -1;
            if (!team(line, f[i], &n))
                return false;
            if (std::find(d.order.begin(), d.order.end(), n) != d.order.end())
                return fail(line, QStringLiteral("%1 is named twice").arg(f[i]));
            d.order.push_back(n);
        }
        m_t.decisions.push_back(d);
        return true;
    }
    return fail(line, QStringLiteral("expected a team, player, group, knockout or decide record, found \"%1\"").arg(kind));
}

bool Decoder::run(const QByteArray &bytes)
{
    if (bytes.size() > MaxDataBytes) {
        error = QStringLiteral("%1: larger than %2").arg(m_file, BoundedFile::limitText(MaxDataBytes));
        return false;
    }
    if (!bytes.endsWith('\n'))
        return fail(int(bytes.count('\n')) + 1, QStringLiteral("expected the file to end with a line end; it is cut"));
    const QList<QByteArray> lines = bytes.chopped(1).split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int line = i + 1;
        if (lines[i].size() > MaxLineLength)
            return fail(line, QStringLiteral("expected a line of at most %1 bytes").arg(MaxLineLength));
        const QString text = QString::fromUtf8(lines[i]);
        if (text.toUtf8() != lines[i])
            return fail(line, QStringLiteral("expected UTF-8 text"));
        if (!record(line, text.split(QLatin1Char('\t'))))
            return false;
    }
    if (!m_format)
        return fail(int(lines.size()), QStringLiteral("expected the \"trophex-tournament\" and \"format\" records"));
    if (m_teams != m_t.format.groups * 4)
        return fail(int(lines.size()), QStringLiteral("expected %1 teams, found %2").arg(m_t.format.groups * 4).arg(m_teams));
    // Every knock-out match must stand where the bracket puts its teams.
    const FormatStandings s = rankFormat(m_t);
    for (const FormatKnockoutMatch &k : m_t.knockout) {
        const FormatStandings::Slot &slot = s.bracket[size_t(m_t.format.indexOf(k.number))];
        if (slot.result != &k)
            return fail(int(lines.size()),
                        QStringLiteral("match %1, %2 v %3, does not fit the bracket (expected %4 v %5)")
                            .arg(k.number)
                            .arg(m_t.teamName(k.team1), m_t.teamName(k.team2),
                                 slot.team1 < 0 ? QStringLiteral("(not known)") : m_t.teamName(slot.team1),
                                 slot.team2 < 0 ? QStringLiteral("(not known)") : m_t.teamName(slot.team2)));
    }
    return true;
}

} // namespace

bool holdsFormat(const QString &dir)
{
    return QFileInfo::exists(pathIn(dir, FormatFileName)) || QFileInfo(pathIn(dir, FormatFileName)).isSymLink();
}

QByteArray encode(const FormatTournament &t)
{
    QStringList out;
    const auto rec = [&](const QStringList &fields) { out << fields.join(QLatin1Char('\t')); };
    rec({QStringLiteral("trophex-tournament"), QStringLiteral("1")});
    rec({QStringLiteral("format"), t.format.name});
    for (const FormatGroup &g : t.groups)
        for (const FormatTeam &e : g.teams)
            rec({QStringLiteral("team"), QString(QChar(g.letter)), e.name, e.flag});
    for (const FormatGroup &g : t.groups)
        for (const FormatTeam &e : g.teams)
            for (int i = 0; i < e.players.size(); ++i)
                rec({QStringLiteral("player"), e.name, e.players[i], QString::number(e.goals.value(i))});
    for (const FormatGroupMatch &m : t.groupMatches)
        rec({QStringLiteral("group"), t.teamName(m.team1), t.teamName(m.team2), QString::number(m.score1),
             QString::number(m.score2)});
    const auto part = [](int a, int b) { return a < 0 ? QString() : QStringLiteral("%1-%2").arg(a).arg(b); };
    for (const FormatKnockoutMatch &k : t.knockout) {
        QStringList f{QStringLiteral("knockout"), QString::number(k.number), t.teamName(k.team1), t.teamName(k.team2),
                      QString::number(k.score1), QString::number(k.score2)};
        // A match decided in 90 minutes keeps the record of older files.
        if (k.parts.fits(k.score1, k.score2))
            f << part(k.parts.regular1, k.parts.regular2) << part(k.parts.extra1, k.parts.extra2)
              << part(k.parts.kicks1, k.parts.kicks2);
        rec(f);
    }
    for (const TieDecision &d : t.decisions) {
        QStringList f{QStringLiteral("decide")};
        for (int n : d.order)
            f << t.teamName(n);
        rec(f);
    }
    return (out.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

Load decode(FormatTournament &t, const QByteArray &bytes, const QString &fileName)
{
    t.groups.clear();
    t.groupMatches.clear();
    t.knockout.clear();
    t.decisions.clear();
    Decoder d(t, fileName);
    Load r;
    r.ok = d.run(bytes);
    r.error = d.error;
    if (!r.ok) {
        t.groups.clear();
        t.groupMatches.clear();
        t.knockout.clear();
        t.decisions.clear();
    }
    return r;
}

Load load(FormatTournament &t, const QString &dir)
{
    Load r;
    const QString formatPath = pathIn(dir, FormatFileName);
    const BoundedFile::Result f = BoundedFile::read(formatPath, FormatFile::kMaxBytes);
    if (!f.ok()) {
        r.error = QStringLiteral("Cannot read %1: %2").arg(formatPath, BoundedFile::reason(f, FormatFile::kMaxBytes));
        return r;
    }
    const FormatFile::Read format = FormatFile::parse(f.bytes, formatPath);
    if (!format.ok) {
        r.error = format.error;
        return r;
    }
    t.format = format.format;
    t.formatKey.clear();
    // A shipped format stays one under the name of the tournament played by
    // it ("Euro 2024" by the rules of "Euro 2020").
    for (const QString &key : FormatFile::shippedNames())
        if (FormatFile::sameRules(FormatFile::shippedText(key), f.bytes))
            t.formatKey = key;
    const QString dataPath = pathIn(dir, DataFileName);
    const BoundedFile::Result d = BoundedFile::read(dataPath, MaxDataBytes);
    if (!d.ok()) {
        r.error = QStringLiteral("Cannot read %1: %2").arg(dataPath, BoundedFile::reason(d, MaxDataBytes));
        return r;
    }
    return decode(t, d.bytes, dataPath);
}

FileResult save(const FormatTournament &t, const QString &dir, const FolderCommit::Files &extra)
{
    // The format, the data file and the pictures change together, so that
    // a crash never leaves a data file beside another format.
    FolderCommit::Files files = extra;
    const QString formatPath = pathIn(dir, FormatFileName);
    const BoundedFile::Result old = BoundedFile::read(formatPath, FormatFile::kMaxBytes);
    if (!old.ok() || old.bytes != t.format.source)
        files.append({QString::fromLatin1(FormatFileName), t.format.source});
    files.append({QString::fromLatin1(DataFileName), encode(t)});
    return FolderCommit::commitFiles(dir, files);
}

FileResult remove(const QString &dir)
{
    return FolderCommit::commitFiles(dir, {}, {QString::fromLatin1(DataFileName), QString::fromLatin1(FormatFileName)});
}

} // namespace FormatFiles
