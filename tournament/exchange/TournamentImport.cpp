#include "tournament/exchange/TournamentImport.h"

#include <algorithm>
#include <set>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "common/BoundedFile.h"
#include "common/FootballTxt.h"
#include "tournament/group/DrawingLots.h"
#include "tournament/flags/TeamFlags.h"
#include "tournament/group/Ranking.h"
#include "tournament/group/ResultEntry.h"
#include "tournament/knockout/Bracket.h"
#include "common/Cp1252.h"
#include "tournament/model/NameChecks.h"
#include "tournament/model/TournamentFiles.h"

namespace TournamentImport {

namespace {

using FootballTxt::Side;

// Letters that no accent stripping turns into a Latin letter.
QString specialFold(QChar c)
{
    switch (c.unicode()) {
    case 0x0110: return QStringLiteral("D");  // Đ
    case 0x0111: return QStringLiteral("d");  // đ
    case 0x0141: return QStringLiteral("L");  // Ł
    case 0x0142: return QStringLiteral("l");  // ł
    case 0x0131: return QStringLiteral("i");  // dotless i
    case 0x0126: return QStringLiteral("H");  // Ħ
    case 0x0127: return QStringLiteral("h");  // ħ
    case 0x2019: return QStringLiteral("'");
    default: return QString();
    }
}

// "Côte d'Ivoire" and "cote-divoire" both give "cotedivoire".
QString plainKey(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString key;
    for (QChar c : decomposed) {
        const QString special = specialFold(c);
        const QString part = special.isEmpty() ? QString(c) : special;
        for (QChar p : part)
            if (p.unicode() < 128 && p.isLetterOrNumber())
                key += p.toLower();
    }
    return key;
}

struct TeamRef
{
    TEquipe *team = nullptr;
    char group = 0;
};

// "# lots: group A: Scotland before Chile": the drawing of lots placed
// Scotland first and Chile second in group A.
struct LotsLine
{
    QString file;
    int line = 0;
    char group = 0;
    QString text; // "Scotland before Chile"
};

struct MatchRef
{
    QString file;
    const FootballTxt::Match *match = nullptr;
};

class Importer
{
public:
    Importer(Tournament &t, Result &r) : m_t(t), m_r(r) {}

    bool run(const QStringList &files, const QString &squadsDir);

private:
    bool fail(const QString &file, int line, const QString &what)
    {
        m_r.error = line > 0 ? QStringLiteral("%1: line %2: %3").arg(file, QString::number(line), what)
                             : QStringLiteral("%1: %2").arg(file, what);
        return false;
    }
    bool readDocuments(const QStringList &files);
    bool takeGroups();
    bool readSquads(const QString &squadsDir);
    bool sortMatches();
    bool scorers(const MatchRef &m, TEquipe *team1, TEquipe *team2, QStringList *list1, QStringList *list2);
    bool goalsWithinScore(const MatchRef &m, std::array<int, 2> credited);
    bool playGroupMatches();
    bool applyLots();
    bool playKnockout();
    TeamRef teamOf(const QString &name) const;
    QString expectation(TEquipe *a, TEquipe *b) const;

    Tournament &m_t;
    Result &m_r;
    QList<QPair<QString, FootballTxt::Document>> m_docs;
    QList<MatchRef> m_groupMatches;
    QList<MatchRef> m_knockout;
    QList<LotsLine> m_lots;
    std::set<QPair<QByteArray, QByteArray>> m_noRoom;
};

bool Importer::readDocuments(const QStringList &files)
{
    for (const QString &file : files) {
        const BoundedFile::Result in = BoundedFile::read(file, FootballTxt::kMaxBytes);
        if (!in.ok())
            return fail(file, 0, QStringLiteral("cannot read: ") + BoundedFile::reason(in, FootballTxt::kMaxBytes));
        FootballTxt::ReadResult read = FootballTxt::read(in.bytes);
        if (!read.ok)
            return fail(file, read.error.line, FootballTxt::message(read.error));
        // The reader drops comments; the drawing of lots is one.
        static const QRegularExpression lots(QStringLiteral("^\\s*#\\s*lots\\s*:\\s*group\\s+([A-H])\\s*:\\s*(.*\\S)\\s*$"),
                                             QRegularExpression::CaseInsensitiveOption);
        const QList<QByteArray> lines = in.bytes.split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            const QRegularExpressionMatch m = lots.match(QString::fromUtf8(lines[i]));
            if (m.hasMatch())
                m_lots.append({file, i + 1, char(m.captured(1).at(0).toUpper().unicode()), m.captured(2)});
        }
        m_docs.append({file, std::move(read.document)});
    }
    return true;
}

bool Importer::takeGroups()
{
    static const QRegularExpression groupName(QStringLiteral("^Group ([A-H])$"));
    std::array<const FootballTxt::Group *, kGroupCount> byLetter{};
    std::array<QString, kGroupCount> fileOf;
    for (const auto &[file, doc] : m_docs)
        for (const FootballTxt::Stage &stage : doc.stages)
            for (const FootballTxt::Group &g : stage.groups) {
                const QRegularExpressionMatch m = groupName.match(g.name);
                if (!m.hasMatch())
                    return fail(file, g.line,
                                QStringLiteral("\"%1\" is no group of the tournament (Group A to Group H)").arg(g.name));
                const int i = m.captured(1).at(0).unicode() - 'A';
                if (byLetter[i])
                    return fail(file, g.line, QStringLiteral("%1 is given twice").arg(g.name));
                if (g.teams.size() != kTeamsPerGroup)
                    return fail(file, g.line,
                                QStringLiteral("%1 has %2 teams; a group has 4").arg(g.name, QString::number(g.teams.size())));
                byLetter[i] = &g;
                fileOf[i] = file;
            }
    const QString first = m_docs.isEmpty() ? QString() : m_docs.first().first;
    for (int i = 0; i < kGroupCount; ++i)
        if (!byLetter[i])
            return fail(first, 0, QStringLiteral("no line \"Group %1 | ...\" names the teams of group %1")
                                      .arg(QChar(char('A' + i))));

    std::set<QByteArray> names;
    for (int i = 0; i < kGroupCount; ++i) {
        TGroupe group;
        group.letter = char('A' + i);
        for (const QString &teamName : byLetter[i]->teams) {
            bool ok = true;
            const ShortName name = storedName(teamName, &ok);
            if (!ok || name.isEmpty())
                return fail(fileOf[i], byLetter[i]->line,
                            QStringLiteral("the team name \"%1\" cannot be written in the tournament files").arg(teamName));
            if (!names.insert(name.bytes()).second)
                return fail(fileOf[i], byLetter[i]->line,
                            QStringLiteral("the team %1 is named twice (names are kept to 20 characters)").arg(teamName));
            auto team = std::make_unique<TEquipe>();
            team->name = name;
            group.teams.push_back(std::move(team));
        }
        m_t.groupes.push_back(std::move(group));
    }
    return true;
}

TeamRef Importer::teamOf(const QString &name) const
{
    bool ok = true;
    const ShortName stored = storedName(name, &ok);
    for (const TGroupe &g : m_t.groupes)
        for (const auto &team : g.teams)
            if (team->name == stored)
                return {team.get(), g.letter};
    return {};
}

// The team a squad file is about: the "= Name" title, the comment
// "# Name (ABC)" the open data puts at its top, or the file's name
// ("de-deutschland.txt"); the three-letter code decides where the name is
// given in another language ("Deutschland (GER)" for Germany).
TEquipe *squadTeam(Tournament &t, const QString &path, const QByteArray &bytes, const QString &title)
{
    static const QRegularExpression comment(QStringLiteral("^#\\s*(.*\\S)\\s*\\(([A-Z]{3})\\)\\s*$"));
    QStringList names;
    QString code;
    if (!title.isEmpty())
        names << title;
    const QList<QByteArray> lines = bytes.left(2000).split('\n');
    for (const QByteArray &raw : lines) {
        const QRegularExpressionMatch m = comment.match(QString::fromUtf8(raw).trimmed());
        if (m.hasMatch()) {
            names << m.captured(1);
            code = m.captured(2);
            break;
        }
    }
    const QString base = QFileInfo(path).completeBaseName();
    names << base.mid(base.indexOf(QLatin1Char('-')) + 1);

    std::vector<TEquipe *> all;
    for (TGroupe &g : t.groupes)
        for (auto &team : g.teams)
            all.push_back(team.get());
    for (const QString &n : names)
        for (TEquipe *team : all)
            if (!plainKey(n).isEmpty() && plainKey(n) == plainKey(team->name.text()))
                return team;
    if (code.isEmpty())
        return nullptr;
    const QString lower = code.toLower();
    for (TEquipe *team : all)
        if (plainKey(team->name.text()) == lower)
            return team;
    for (TEquipe *team : all)
        if (plainKey(team->name.text()).left(3) == lower)
            return team;
    return nullptr;
}

bool Importer::readSquads(const QString &squadsDir)
{
    if (squadsDir.isEmpty())
        return true;
    const QDir dir(squadsDir);
    const QFileInfo info(squadsDir);
    if (!info.exists())
        return fail(squadsDir, 0, QStringLiteral("no such folder"));
    if (!info.isDir())
        return fail(squadsDir, 0, QStringLiteral("not a folder; the 32-team tournament reads its squads from a folder of squad files"));
    const QStringList entries = dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    std::set<const TEquipe *> filled;
    for (const QString &entry : entries) {
        const QString path = dir.filePath(entry);
        const BoundedFile::Result in = BoundedFile::read(path, FootballTxt::kMaxBytes);
        if (!in.ok())
            return fail(path, 0, QStringLiteral("cannot read: ") + BoundedFile::reason(in, FootballTxt::kMaxBytes));
        const FootballTxt::SquadResult squad = FootballTxt::readSquad(in.bytes);
        if (!squad.ok)
            return fail(path, squad.error.line, FootballTxt::message(squad.error));
        TEquipe *team = squadTeam(m_t, path, in.bytes, squad.title);
        if (!team) {
            m_r.notes << QStringLiteral("%1: no team of the groups has this squad; left out").arg(path);
            continue;
        }
        if (!filled.insert(team).second)
            return fail(path, 0, QStringLiteral("a second squad file for %1").arg(team->name.text()));
        for (const FootballTxt::Player &p : squad.players) {
            bool ok = true;
            const ShortName name = storedName(p.name, &ok);
            if (!ok)
                return fail(path, p.line,
                            QStringLiteral("the name \"%1\" cannot be written in the tournament files").arg(p.name));
            if (!addPlayer(team, name)) {
                m_r.notes << QStringLiteral("%1: line %2: the squad of %3 is full (23 players); %4 left out")
                                 .arg(path, QString::number(p.line), team->name.text(), p.name);
            }
        }
    }
    return true;
}

bool Importer::sortMatches()
{
    std::set<QPair<const TEquipe *, const TEquipe *>> groupPairs;
    for (const auto &[file, doc] : m_docs)
        for (const FootballTxt::Stage &stage : doc.stages)
            for (const FootballTxt::Round &round : stage.rounds)
                for (const FootballTxt::Match &match : round.matches) {
                    const TeamRef a = teamOf(match.team1);
                    const TeamRef b = teamOf(match.team2);
                    for (const auto &[ref, name] : {std::pair{a, match.team1}, std::pair{b, match.team2}})
                        if (!ref.team)
                            return fail(file, match.line, QStringLiteral("%1 is in no group").arg(name));
                    if (a.team == b.team)
                        return fail(file, match.line, QStringLiteral("%1 cannot play itself").arg(match.team1));
                    if (!match.played())
                        continue; // a fixture without result is not recorded
                    // The first meeting of two teams of one group is their group
                    // match; any later one belongs to the knock-out stage.
                    const auto pair = std::minmax(a.team, b.team);
                    if (a.group == b.group && groupPairs.insert({pair.first, pair.second}).second)
                        m_groupMatches.append({file, &match});
                    else
                        m_knockout.append({file, &match});
                }
    return true;
}

bool Importer::scorers(const MatchRef &m, TEquipe *team1, TEquipe *team2, QStringList *list1, QStringList *list2)
{
    if (!goalsWithinScore(m, {0, 0}))
        return false;
    for (const FootballTxt::Goal &goal : m.match->goals) {
        if (goal.player.isEmpty())
            continue;
        bool ok = true;
        const ShortName name = storedName(goal.player, &ok);
        if (!ok)
            return fail(m.file, goal.line,
                        QStringLiteral("the name \"%1\" cannot be written in the tournament files").arg(goal.player));
        Side side = goal.side;
        if (side == Side::None) {
            // The file does not say the team: the squads may.
            const bool in1 = findPlayer(team1, name) >= 0;
            const bool in2 = findPlayer(team2, name) >= 0;
            if (in1 != in2) {
                side = in1 ? Side::Team1 : Side::Team2;
            } else {
                m_r.notes << QStringLiteral("%1: line %2: not known for which team %3 scored; not credited")
                                 .arg(m.file, QString::number(goal.line), goal.player);
                continue;
            }
        }
        TEquipe *team = side == Side::Team1 ? team1 : team2;
        QStringList *list = side == Side::Team1 ? list1 : list2;
        for (const FootballTxt::GoalMinute &minute : goal.minutes) {
            if (minute.ownGoal) {
                // Counted for the side it is listed on, credited to nobody.
                *list << ownGoalName().text();
                continue;
            }
            if (findPlayer(team, name) < 0 && !addPlayer(team, name)) {
                if (m_noRoom.insert({team->name.bytes(), name.bytes()}).second)
                    m_r.notes << QStringLiteral("%1: line %2: no room in the squad of %3 for %4; goal not credited")
                                     .arg(m.file, QString::number(goal.line), team->name.text(), goal.player);
                continue;
            }
            *list << name.text();
        }
    }
    // Goals the squads gave a side count as well.
    return goalsWithinScore(m, {int(list1->size()), int(list2->size())});
}

// As on the entry page, a side cannot have more goals than its score, nor
// the list more than the match: every minute of the list counts, own goals
// and minutes without a player included. credited: what the scorers' lists
// hold after the goals without a side went to the team whose squad has
// the player.
bool Importer::goalsWithinScore(const MatchRef &m, std::array<int, 2> credited)
{
    const FootballTxt::Match &match = *m.match;
    const FootballTxt::Score result = match.result();
    std::array<int, 2> listed{0, 0};
    int total = 0;
    for (const FootballTxt::Goal &goal : match.goals) {
        total += int(goal.minutes.size());
        if (goal.side != Side::None)
            listed[goal.side == Side::Team1 ? 0 : 1] += int(goal.minutes.size());
    }
    const int line = match.goals.isEmpty() ? match.line : match.goals.first().line;
    for (int side = 0; side < 2; ++side) {
        const int score = side == 0 ? result.a : result.b;
        const int goals = qMax(listed[side], credited[side]);
        if (goals > score)
            return fail(m.file, line,
                        QStringLiteral("%1 v %2: the goals list gives %3 %4 goals, more than the %5 of the score")
                            .arg(match.team1, match.team2, side == 0 ? match.team1 : match.team2,
                                 QString::number(goals), QString::number(score)));
    }
    if (total > result.a + result.b)
        return fail(m.file, line,
                    QStringLiteral("%1 v %2: the goals list holds %3 goals, more than the %4 of the score")
                        .arg(match.team1, match.team2, QString::number(total), QString::number(result.a + result.b)));
    return true;
}

bool Importer::playGroupMatches()
{
    for (const MatchRef &m : m_groupMatches) {
        const FootballTxt::Match &match = *m.match;
        const TeamRef a = teamOf(match.team1);
        const TeamRef b = teamOf(match.team2);
        ResultEntry entry;
        entry.groupText = QString(QLatin1Char(a.group));
        entry.team1Text = a.team->name.text();
        entry.team2Text = b.team->name.text();
        const FootballTxt::Score s = match.result();
        entry.score1 = s.a;
        entry.score2 = s.b;
        if (!scorers(m, a.team, b.team, &entry.scorers1, &entry.scorers2))
            return false;
        storeGroupMatch(m_t, entry);
    }
    m_r.groupMatches = int(m_groupMatches.size());
    m_t.qualifies = calcule_qualifies(m_t.groupes, m_t.liste_matchs);
    m_r.lotsNeeded = m_t.liste_matchs.size() >= size_t(kGroupMatchCount)
                     && std::find(m_t.qualifies.begin(), m_t.qualifies.end(), nullptr) != m_t.qualifies.end();
    return true;
}

bool Importer::applyLots()
{
    for (const LotsLine &l : m_lots) {
        TGroupe *group = m_t.findGroup(QString(QLatin1Char(l.group)));
        const auto inGroup = [&](const QString &name) {
            bool ok = true;
            return findTeamInGroup(group, storedName(name.trimmed(), &ok));
        };
        // "A before B": the split whose both sides name teams of the group,
        // so that a name holding "before" is no trouble.
        TEquipe *first = nullptr;
        TEquipe *second = nullptr;
        static const QString before = QStringLiteral(" before ");
        for (qsizetype at = l.text.indexOf(before); at >= 0 && !first; at = l.text.indexOf(before, at + 1)) {
            TEquipe *a = inGroup(l.text.left(at));
            TEquipe *b = inGroup(l.text.mid(at + before.size()));
            if (a && b && a != b) {
                first = a;
                second = b;
            }
        }
        const QString letter(QLatin1Char(l.group));
        if (!first)
            return fail(l.file, l.line,
                        QStringLiteral("the drawing of lots must name two teams of group %1: \"TEAM before TEAM\"").arg(letter));
        if (m_t.liste_matchs.size() < size_t(kGroupMatchCount))
            return fail(l.file, l.line, QStringLiteral("lots are drawn only once every group match is played"));
        // The places are drawn as the "Drawing Lots" window draws them: each
        // open slot of the group from the teams the table leaves level.
        const int slot = 2 * (l.group - 'A');
        for (int s : {slot, slot + 1}) {
            if (m_t.qualifies[s])
                continue;
            m_t.place_tirage = quint8(s);
            const LotsCandidates candidates = lotsCandidates(m_t);
            TEquipe *wanted = s == slot ? first : second;
            if (std::find(candidates.teams.begin(), candidates.teams.end(), wanted) == candidates.teams.end())
                break;
            chooseTeam(m_t, candidates, wanted->name);
        }
        if (m_t.qualifies[slot] != first || m_t.qualifies[slot + 1] != second)
            return fail(l.file, l.line,
                        QStringLiteral("%1 before %2 does not agree with the table of group %3")
                            .arg(first->name.text(), second->name.text(), letter));
        m_r.lotsDrawn = true;
    }
    m_t.place_tirage = 0;
    m_r.lotsNeeded = m_t.liste_matchs.size() >= size_t(kGroupMatchCount)
                     && std::find(m_t.qualifies.begin(), m_t.qualifies.end(), nullptr) != m_t.qualifies.end();
    return true;
}

QString codeName(char c)
{
    if (c >= '1' && c <= '8')
        return QStringLiteral("round of 16 match %1").arg(QChar(c));
    if (c >= 'A' && c <= 'D')
        return QStringLiteral("quarter-final %1").arg(QChar(c));
    if (c == 'F' || c == 'G')
        return QStringLiteral("semi-final %1").arg(QChar(c));
    if (c == 'Y')
        return QStringLiteral("the match for third place");
    return QStringLiteral("the final");
}

// What the bracket has in store for the two teams, for the message of a
// match that finds no place.
QString Importer::expectation(TEquipe *a, TEquipe *b) const
{
    QStringList parts;
    for (TEquipe *team : {a, b}) {
        QString found;
        for (char c : kStage2Codes) {
            if (stage2Match(m_t, c))
                continue;
            const auto [x, y] = teamsOfMatch(m_t, c);
            if (x != team && y != team)
                continue;
            const auto name = [](const TEquipe *e) { return e ? e->name.text() : QStringLiteral("(not known yet)"); };
            found = QStringLiteral("%1 is %2 v %3").arg(codeName(c), name(x), name(y));
            break;
        }
        if (found.isEmpty())
            found = QStringLiteral("%1 has no match to play in the bracket").arg(team->name.text());
        if (!parts.contains(found))
            parts << found;
    }
    return parts.join(QStringLiteral("; "));
}

bool Importer::playKnockout()
{
    if (!m_knockout.isEmpty() && m_r.lotsNeeded) {
        const MatchRef &m = m_knockout.first();
        return fail(m.file, m.match->line,
                    QStringLiteral("%1 v %2: the group stage leaves qualifier places to the drawing of lots, "
                                   "so the knock-out matches cannot be placed")
                        .arg(m.match->team1, m.match->team2));
    }
    for (const MatchRef &m : m_knockout) {
        const FootballTxt::Match &match = *m.match;
        TEquipe *a = teamOf(match.team1).team;
        TEquipe *b = teamOf(match.team2).team;
        deriveBracket(m_t);
        char code = 0;
        bool swapped = false;
        for (char c : kStage2Codes) {
            if (stage2Match(m_t, c))
                continue;
            const auto [x, y] = teamsOfMatch(m_t, c);
            if (x && y && ((x == a && y == b) || (x == b && y == a))) {
                code = c;
                swapped = x == b;
                break;
            }
        }
        if (!code)
            return fail(m.file, match.line,
                        QStringLiteral("%1 v %2 does not fit the bracket: %3")
                            .arg(match.team1, match.team2, expectation(a, b)));
        // As on the entry page: a draw after extra time is stored with the
        // shoot-out added, so that the stored score names the winner.
        FootballTxt::Score s = match.result();
        if (match.pen.isSet()) {
            s.a += match.pen.a;
            s.b += match.pen.b;
        }
        // The stored score is what --export writes back as the result.
        if (s.a > FootballTxt::kMaxGoals || s.b > FootballTxt::kMaxGoals)
            return fail(m.file, match.line,
                        QStringLiteral("%1 v %2: %3-%4 with the shoot-out is more than a score can hold (%5 goals)")
                            .arg(match.team1, match.team2, QString::number(s.a), QString::number(s.b),
                                 QString::number(FootballTxt::kMaxGoals)));
        if (s.a == s.b)
            return fail(m.file, match.line,
                        QStringLiteral("%1 v %2 ends level without a penalty shoot-out; a knock-out match needs a winner")
                            .arg(match.team1, match.team2));
        ResultEntry entry;
        QStringList scorersA, scorersB;
        if (!scorers(m, a, b, &scorersA, &scorersB))
            return false;
        TEquipe *first = swapped ? b : a;
        TEquipe *second = swapped ? a : b;
        entry.team1Text = first->name.text();
        entry.team2Text = second->name.text();
        entry.score1 = swapped ? s.b : s.a;
        entry.score2 = swapped ? s.a : s.b;
        entry.scorers1 = swapped ? scorersB : scorersA;
        entry.scorers2 = swapped ? scorersA : scorersB;
        // How it was decided, where the text tells and the parts add up.
        const KnockoutScore parts = knockoutParts(match);
        if (parts.fits(s.a, s.b))
            entry.parts = swapped ? parts.swapped() : parts;
        m_t.code_match = code;
        storeStage2Match(m_t, entry);
    }
    m_t.code_match = 0;
    deriveBracket(m_t);
    m_r.knockoutMatches = int(m_knockout.size());
    return true;
}

bool Importer::run(const QStringList &files, const QString &squadsDir)
{
    if (files.isEmpty()) {
        m_r.error = QStringLiteral("no file to import");
        return false;
    }
    return readDocuments(files) && takeGroups() && readSquads(squadsDir) && sortMatches() && playGroupMatches()
           && applyLots() && playKnockout();
}

} // namespace

ShortName storedName(const QString &text, bool *ok)
{
    QString out;
    bool good = true;
    for (QChar c : text) {
        if (Cp1252::canEncode(c) && !NameChecks::isControl(c)) {
            out += c;
            continue;
        }
        QString folded = specialFold(c);
        if (folded.isEmpty()) {
            for (QChar p : QString(c).normalized(QString::NormalizationForm_D))
                if (p.category() != QChar::Mark_NonSpacing && Cp1252::canEncode(p) && !NameChecks::isControl(p))
                    folded += p;
        }
        if (folded.isEmpty())
            good = false;
        out += folded;
    }
    if (ok)
        *ok = good;
    return ShortName::stored(out);
}

FileResult writeFolder(Tournament &t, const QString &dir, bool lotsDrawn)
{
    // Each group record names a flag whose picture is in the same set, and
    // the program's own pictures that the folder lacks come with it.
    QStringList taken;
    FolderCommit::Files pictures;
    for (TGroupe &g : t.groupes)
        for (auto &team : g.teams) {
            const QString flag = TeamFlags::flagName(team->name.text(), taken);
            taken << flag;
            team->flag = ShortName::stored(flag);
            pictures.append({flag + QStringLiteral(".bmp"), TeamFlags::pictureBytes(team->name.text())});
        }
    if (const FileResult own = TeamFlags::ownPictureFiles(dir, &pictures); !own.ok)
        return own;
    // A drawing of lots that filled every slot is kept in qualif.dat, as the
    // program keeps one.
    const bool drawn = lotsDrawn && std::find(t.qualifies.begin(), t.qualifies.end(), nullptr) == t.qualifies.end();
    return saveParts(t, dir, SaveGroups | SaveMatches | SaveStage2 | (drawn ? SaveQualifiers : RemoveQualifiers),
                          pictures);
}

Result importFiles(Tournament &t, const QStringList &files, const QString &squadsDir)
{
    Result r;
    Importer importer(t, r);
    r.ok = importer.run(files, squadsDir);
    t.modifie = false;
    return r;
}

} // namespace TournamentImport
