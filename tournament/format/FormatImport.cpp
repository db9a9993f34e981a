#include "tournament/format/FormatImport.h"

#include <algorithm>
#include <functional>
#include <set>

#include <QDir>
#include <QHash>
#include <QFileInfo>
#include <QRegularExpression>

#include "common/BoundedFile.h"
#include "common/FootballTxt.h"
#include "tournament/flags/CountryNames.h"
#include "tournament/format/OlderForms.h"

namespace FormatImport {

namespace {

using FootballTxt::Side;

// "Côte d'Ivoire", "cote-divoire" and "COTE D'IVOIRE" all give "cotedivoire".
void appendPlainKey(QStringView text, QString *key)
{
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 128;
    // Most names are plain ASCII and need no decomposition of their accents.
    const QString decomposed = ascii ? QString() : text.toString().normalized(QString::NormalizationForm_KD);
    for (QChar c : ascii ? text : QStringView(decomposed)) {
        // Letters that no accent stripping turns into a Latin letter.
        switch (c.unicode()) {
        case 0x00D8: case 0x00F8: *key += QLatin1Char('o'); continue;        // Ø ø
        case 0x00C6: case 0x00E6: *key += QLatin1String("ae"); continue;    // Æ æ
        case 0x00DF: *key += QLatin1String("ss"); continue;                  // ß
        case 0x0110: case 0x0111: *key += QLatin1Char('d'); continue;       // Đ đ
        case 0x0141: case 0x0142: *key += QLatin1Char('l'); continue;       // Ł ł
        case 0x0131: *key += QLatin1Char('i'); continue;                     // ı
        default: break;
        }
        const char16_t u = c.unicode();
        if (u >= 'A' && u <= 'Z')
            *key += QChar(u + ('a' - 'A'));
        else if ((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9'))
            *key += c;
    }
}

QString plainKey(QStringView text)
{
    QString key;
    key.reserve(text.size());
    appendPlainKey(text, &key);
    return key;
}

// A name the tournament files can hold on one line of tab-separated fields.
bool storableName(const QString &name)
{
    if (name.isEmpty() || name.size() > FormatTeam::kMaxNameLength)
        return false;
    for (QChar c : name) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            continue; // printable ASCII: most names hold nothing else
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return false;
    }
    return true;
}

struct MatchRef
{
    QString file;
    const FootballTxt::Match *match = nullptr;
};

class Importer
{
public:
    Importer(FormatTournament &t, Result &r) : m_t(t), m_r(r) {}
    bool run(const QStringList &files, const QString &squads);
    bool runSquads(const QString &squads) { return readSquads(squads); }

private:
    bool fail(const QString &file, int line, const QString &what)
    {
        m_r.error = line > 0 ? QStringLiteral("%1: line %2: %3").arg(file, QString::number(line), what)
                             : QStringLiteral("%1: %2").arg(file, what);
        return false;
    }
    bool readDocuments(const QStringList &files);
    bool takeGroups();
    bool readSquads(const QString &squads);
    bool takeSquad(const QString &path, const QString &heading, QByteArrayView bytes, int lineOffset,
                   std::set<int> *filled);
    bool sortMatches();
    bool scorers(const MatchRef &m, int team1, int team2);
    void credit(int team, const QString &player, const QString &words, const MatchRef &m, int line);
    // The plain words of each squad's names, made once the squads are read.
    std::vector<QString> &wordsOf(int team);
    bool placeKnockout(QString *error);
    bool decideAndPlace(QString *error, int depth);
    QString expectation(const FormatStandings &s, int a, int b) const;

    FormatTournament &m_t;
    Result &m_r;
    QList<QPair<QString, FootballTxt::Document>> m_docs;
    QList<MatchRef> m_groupMatches;
    QList<MatchRef> m_knockout;
    std::set<std::pair<int, QString>> m_noRoom;
    std::vector<std::vector<QString>> m_words;
    std::vector<QString> m_teamKeys;
    std::vector<QString> m_teamCodes;
};

bool Importer::readDocuments(const QStringList &files)
{
    for (const QString &file : files) {
        const BoundedFile::Result in = BoundedFile::read(file, FootballTxt::kMaxBytes);
        if (!in.ok())
            return fail(file, 0, QStringLiteral("cannot read: ") + BoundedFile::reason(in, FootballTxt::kMaxBytes));
        FootballTxt::ReadResult read = FootballTxt::read(OlderForms::matches(in.bytes));
        if (!read.ok)
            return fail(file, read.error.line, FootballTxt::message(read.error));
        m_docs.append({file, std::move(read.document)});
    }
    return true;
}

bool Importer::takeGroups()
{
    const int groups = m_t.format.groups;
    const QChar last('A' + groups - 1);
    static const QRegularExpression groupName(QStringLiteral("^Group ([A-Z])$"));
    std::vector<const FootballTxt::Group *> byLetter(static_cast<size_t>(groups), nullptr);
    std::vector<QString> fileOf(static_cast<size_t>(groups));
    for (const auto &[file, doc] : m_docs)
        for (const FootballTxt::Stage &stage : doc.stages)
            for (const FootballTxt::Group &g : stage.groups) {
                const QRegularExpressionMatch m = groupName.match(g.name);
                const int i = m.hasMatch() ? m.captured(1).at(0).unicode() - 'A' : -1;
                if (i < 0 || i >= groups)
                    return fail(file, g.line, QStringLiteral("\"%1\" is no group of the format %2 (Group A to Group %3)")
                                                  .arg(g.name, m_t.format.name, last));
                if (byLetter[size_t(i)])
                    return fail(file, g.line, QStringLiteral("%1 is given twice").arg(g.name));
                if (g.teams.size() != TournamentFormat::kTeamsPerGroup)
                    return fail(file, g.line,
                                QStringLiteral("%1 has %2 teams; a group has 4").arg(g.name, QString::number(g.teams.size())));
                byLetter[size_t(i)] = &g;
                fileOf[size_t(i)] = file;
            }
    const QString first = m_docs.isEmpty() ? QString() : m_docs.first().first;
    std::set<QString> names;
    for (int i = 0; i < groups; ++i) {
        if (!byLetter[size_t(i)])
            return fail(first, 0, QStringLiteral("no line \"Group %1 | ...\" names the teams of group %1; the format %2 "
                                                 "has %3 groups")
                                      .arg(QString(QChar('A' + i)), m_t.format.name, QString::number(groups)));
        FormatGroup group;
        group.letter = char('A' + i);
        for (int k = 0; k < TournamentFormat::kTeamsPerGroup; ++k) {
            const QString name = byLetter[size_t(i)]->teams[k];
            if (!storableName(name))
                return fail(fileOf[size_t(i)], byLetter[size_t(i)]->line,
                            QStringLiteral("the team name \"%1\" cannot be stored (1 to %2 characters, no controls)")
                                .arg(name, QString::number(FormatTeam::kMaxNameLength)));
            if (!names.insert(name).second)
                return fail(fileOf[size_t(i)], byLetter[size_t(i)]->line,
                            QStringLiteral("the team %1 is named twice").arg(name));
            group.teams[size_t(k)].name = name;
        }
        m_t.groups.push_back(group);
    }
    return true;
}

// A squad belongs to the team its heading, its title ("Denmark - Euro
// 2024") or its file name ("de-deutschland.txt") names.
bool Importer::takeSquad(const QString &path, const QString &heading, QByteArrayView bytes, int lineOffset,
                         std::set<int> *filled)
{
    // The older line forms are read as the lines come, not rewritten first.
    FootballTxt::SquadResult squad = FootballTxt::readSquad(bytes, OlderForms::squadLine);
    if (!squad.ok)
        return fail(path, squad.error.line + lineOffset, FootballTxt::message(squad.error));
    for (FootballTxt::Player &p : squad.players)
        p.line += lineOffset;
    QStringList candidates;
    if (!heading.isEmpty())
        candidates << heading;
    if (!squad.title.isEmpty())
        candidates << squad.title << squad.title.section(QStringLiteral(" - "), 0, 0);
    if (heading.isEmpty()) {
        const QString base = QFileInfo(path).completeBaseName();
        candidates << base << base.mid(base.indexOf(QLatin1Char('-')) + 1);
    }
    // The teams' keys and countries, made once for all squads.
    const CountryNames &countries = CountryNames::builtIn();
    if (m_teamKeys.empty())
        for (int n = 0; n < m_t.teamCount(); ++n) {
            m_teamKeys.push_back(plainKey(m_t.team(n).name));
            m_teamCodes.push_back(countries.code(m_t.team(n).name));
        }
    int team = -1;
    for (const QString &c : candidates) {
        const QString key = plainKey(c);
        for (int n = 0; n < m_t.teamCount() && team < 0 && !key.isEmpty(); ++n)
            if (key == m_teamKeys[size_t(n)])
                team = n;
    }
    // Names of one country in other forms ("Czechia", "Czech Republic").
    for (const QString &c : candidates) {
        if (team >= 0)
            break;
        const QString code = countries.code(c);
        for (int n = 0; n < m_t.teamCount() && team < 0 && !code.isEmpty(); ++n)
            if (m_teamCodes[size_t(n)] == code)
                team = n;
    }
    const QString what = heading.isEmpty() ? path : QStringLiteral("%1: %2").arg(path, heading);
    if (team < 0) {
        m_r.notes << QStringLiteral("%1: no team of the groups has this squad; left out").arg(what);
        return true;
    }
    if (!filled->insert(team).second)
        return fail(path, 0, QStringLiteral("a second squad for %1").arg(m_t.team(team).name));
    FormatTeam &e = m_t.team(team);
    for (const FootballTxt::Player &p : squad.players) {
        if (!storableName(p.name))
            return fail(path, p.line, QStringLiteral("the name \"%1\" cannot be stored").arg(p.name));
        if (e.players.contains(p.name))
            continue;
        if (e.players.size() >= FormatTeam::kMaxPlayers) {
            m_r.notes << QStringLiteral("%1: line %2: the squad of %3 is full (%4 players); %5 left out")
                             .arg(path, QString::number(p.line), e.name, QString::number(FormatTeam::kMaxPlayers), p.name);
            continue;
        }
        e.players << p.name;
        e.goals << 0;
    }
    return true;
}

bool Importer::readSquads(const QString &squads)
{
    if (squads.isEmpty())
        return true;
    std::set<int> filled;
    const QFileInfo info(squads);
    if (info.isDir()) {
        const QDir dir(squads);
        for (const QString &entry : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
            const QString path = dir.filePath(entry);
            const BoundedFile::Result in = BoundedFile::read(path, FootballTxt::kMaxBytes);
            if (!in.ok())
                return fail(path, 0, QStringLiteral("cannot read: ") + BoundedFile::reason(in, FootballTxt::kMaxBytes));
            if (!takeSquad(path, QString(), in.bytes, 0, &filled))
                return false;
        }
        return true;
    }
    const BoundedFile::Result in = BoundedFile::read(squads, FootballTxt::kMaxBytes);
    if (!in.ok())
        return fail(squads, 0, QStringLiteral("cannot read: ") + BoundedFile::reason(in, FootballTxt::kMaxBytes));
    // One file of every squad, each under its "== Team" heading; the lines
    // before the first heading are the file's title. Each part is read on
    // its own, its line numbers counted from its heading.
    const QByteArray &bytes = in.bytes;
    // Each part is a slice of the text, from the line after its heading to
    // the next heading.
    QString heading;
    qsizetype partFrom = 0;
    int partStart = 0;
    int headings = 0;
    const auto flush = [&](qsizetype partEnd) {
        if (heading.isEmpty())
            return true;
        // A heading on the last line, without a line end, has an empty part.
        const qsizetype from = std::min(partFrom, partEnd);
        const QByteArrayView part = QByteArrayView(bytes).sliced(from, partEnd - from);
        return takeSquad(squads, heading, part, partStart, &filled);
    };
    qsizetype from = 0;
    for (int i = 0; from < bytes.size(); ++i) {
        qsizetype end = bytes.indexOf('\n', from);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView l(bytes.constData() + from, end - from);
        if (l.startsWith("==") && !l.startsWith("===")) {
            if (!flush(from))
                return false;
            ++headings;
            QString h = QString::fromUtf8(l.sliced(2));
            h = h.left(h.indexOf(QLatin1Char('#')) < 0 ? h.size() : h.indexOf(QLatin1Char('#'))).trimmed();
            heading = h;
            partFrom = end + 1;
            partStart = i + 1;
        }
        from = end + 1;
    }
    if (!flush(bytes.size()))
        return false;
    if (headings == 0)
        return takeSquad(squads, QString(), bytes, 0, &filled);
    return true;
}

bool Importer::sortMatches()
{
    std::set<std::pair<int, int>> groupPairs;
    for (const auto &[file, doc] : m_docs)
        for (const FootballTxt::Stage &stage : doc.stages)
            for (const FootballTxt::Round &round : stage.rounds)
                for (const FootballTxt::Match &match : round.matches) {
                    const int a = m_t.findTeam(match.team1);
                    const int b = m_t.findTeam(match.team2);
                    for (const auto &[ref, name] : {std::pair{a, match.team1}, std::pair{b, match.team2}})
                        if (ref < 0)
                            return fail(file, match.line, QStringLiteral("%1 is in no group").arg(name));
                    if (a == b)
                        return fail(file, match.line, QStringLiteral("%1 cannot play itself").arg(match.team1));
                    if (!match.played())
                        continue;
                    if (a / 4 == b / 4 && groupPairs.insert(std::minmax(a, b)).second)
                        m_groupMatches.append({file, &match});
                    else
                        m_knockout.append({file, &match});
                }
    return true;
}

// The plain keys of a name's words, one blank between them: "Kylian Mbappé"
// gives "kylian mbappe". Words are those between blanks; a word without a
// letter or digit is left out.
QString plainWords(QStringView name)
{
    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size();) {
        qsizetype end = name.indexOf(u' ', i);
        if (end < 0)
            end = name.size();
        const qsizetype before = out.size();
        if (before > 0)
            out += u' ';
        appendPlainKey(name.sliced(i, end - i), &out);
        if (out.size() == before + 1 || (before == 0 && out.isEmpty()))
            out.truncate(before);
        i = end + 1;
    }
    return out;
}

QStringView lastWord(QStringView words)
{
    return words.sliced(words.lastIndexOf(u' ') + 1);
}

bool hasWord(QStringView words, QStringView word)
{
    for (qsizetype i = 0; i <= words.size();) {
        qsizetype end = words.indexOf(u' ', i);
        if (end < 0)
            end = words.size();
        if (words.sliced(i, end - i) == word)
            return true;
        i = end + 1;
    }
    return false;
}

// The squad entry of a scorer, both given as plain words. Match files and
// squads write names in their own ways ("Mbappé" and "MBAPPE", "Wirtz" for
// "Florian Wirtz", "Neymar" for "NEYMAR JR", "Stephan" for "Stephen"): the
// same name without regard to case and accents, else the one player whose
// name ends in the scorer's, else the one with the scorer's surname, else
// the one with a one-word scorer's name among his names.
int playerIndex(const std::vector<QString> &squad, const QString &scorer)
{
    if (scorer.isEmpty())
        return -1;
    const bool oneWord = !scorer.contains(u' ');
    const QString ending = u' ' + scorer;
    const QStringView surname = lastWord(scorer);
    const auto unique = [&](auto fits) {
        int found = -1;
        for (size_t k = 0; k < squad.size(); ++k)
            if (fits(QStringView(squad[k]))) {
                if (found >= 0)
                    return -2;
                found = int(k);
            }
        return found;
    };
    for (const auto &fits : std::initializer_list<std::function<bool(QStringView)>>{
             [&](QStringView w) { return w == scorer; },
             [&](QStringView w) { return w.endsWith(ending); },
             [&](QStringView w) { return !oneWord && !w.isEmpty() && lastWord(w) == surname; },
             [&](QStringView w) { return oneWord && hasWord(w, scorer); }}) {
        const int found = unique(fits);
        if (found >= 0)
            return found;
        if (found == -2)
            return -1; // two players fit: better no credit than a wrong one
    }
    return -1;
}

std::vector<QString> &Importer::wordsOf(int team)
{
    if (m_words.empty()) {
        m_words.resize(size_t(m_t.teamCount()));
        for (int n = 0; n < m_t.teamCount(); ++n)
            for (const QString &p : m_t.team(n).players)
                m_words[size_t(n)].push_back(plainWords(p));
    }
    return m_words[size_t(team)];
}

void Importer::credit(int team, const QString &player, const QString &words, const MatchRef &m, int line)
{
    FormatTeam &e = m_t.team(team);
    int i = playerIndex(wordsOf(team), words);
    if (i < 0) {
        if (e.players.size() >= FormatTeam::kMaxPlayers) {
            if (m_noRoom.insert({team, player}).second)
                m_r.notes << QStringLiteral("%1: line %2: no room in the squad of %3 for %4; goal not credited")
                                 .arg(m.file, QString::number(line), e.name, player);
            return;
        }
        e.players << player;
        e.goals << 0;
        wordsOf(team).push_back(words);
        i = int(e.players.size()) - 1;
    }
    ++e.goals[i];
}

bool Importer::scorers(const MatchRef &m, int team1, int team2)
{
    for (const FootballTxt::Goal &goal : m.match->goals) {
        if (goal.player.isEmpty())
            continue;
        if (!storableName(goal.player))
            return fail(m.file, goal.line, QStringLiteral("the name \"%1\" cannot be stored").arg(goal.player));
        const QString words = plainWords(goal.player);
        Side side = goal.side;
        if (side == Side::None) {
            const bool in1 = playerIndex(wordsOf(team1), words) >= 0;
            const bool in2 = playerIndex(wordsOf(team2), words) >= 0;
            if (in1 == in2) {
                m_r.notes << QStringLiteral("%1: line %2: not known for which team %3 scored; not credited")
                                 .arg(m.file, QString::number(goal.line), goal.player);
                continue;
            }
            side = in1 ? Side::Team1 : Side::Team2;
        }
        for (const FootballTxt::GoalMinute &minute : goal.minutes)
            if (!minute.ownGoal)
                credit(side == Side::Team1 ? team1 : team2, goal.player, words, m, goal.line);
    }
    return true;
}

QString Importer::expectation(const FormatStandings &s, int a, int b) const
{
    QStringList parts;
    for (int team : {a, b}) {
        QString found;
        for (size_t i = 0; i < s.bracket.size() && found.isEmpty(); ++i) {
            const FormatStandings::Slot &slot = s.bracket[i];
            if (slot.result || (slot.team1 != team && slot.team2 != team))
                continue;
            const auto name = [&](int n) { return n < 0 ? QStringLiteral("(not known yet)") : m_t.teamName(n); };
            found = QStringLiteral("match %1 is %2 v %3")
                        .arg(m_t.format.matches[i].number).arg(name(slot.team1), name(slot.team2));
        }
        if (found.isEmpty())
            found = QStringLiteral("%1 has no match to play in the bracket").arg(m_t.teamName(team));
        if (!parts.contains(found))
            parts << found;
    }
    return parts.join(QStringLiteral("; "));
}

// Places every knock-out match of the files in the bracket, in file order.
bool Importer::placeKnockout(QString *error)
{
    m_t.knockout.clear();
    // A result only settles the teams of later matches, so the bracket is
    // ranked again only when a match is not among the slots known so far;
    // the slots filled since the last ranking are marked here meanwhile.
    FormatStandings s = rankFormat(m_t);
    std::vector<bool> filled(s.bracket.size(), false);
    bool anyFilled = false;
    for (const MatchRef &m : m_knockout) {
        const FootballTxt::Match &match = *m.match;
        const int a = m_t.findTeam(match.team1);
        const int b = m_t.findTeam(match.team2);
        int index = -1;
        bool swapped = false;
        const auto find = [&] {
            for (size_t i = 0; i < s.bracket.size() && index < 0; ++i) {
                const FormatStandings::Slot &slot = s.bracket[i];
                if (slot.result || filled[i])
                    continue;
                if ((slot.team1 == a && slot.team2 == b) || (slot.team1 == b && slot.team2 == a)) {
                    index = int(i);
                    swapped = slot.team1 == b;
                }
            }
        };
        find();
        if (index < 0 && anyFilled) {
            s = rankFormat(m_t);
            filled.assign(s.bracket.size(), false);
            anyFilled = false;
            find();
        }
        const auto failHere = [&](const QString &what) {
            *error = QStringLiteral("%1: line %2: %3").arg(m.file, QString::number(match.line), what);
            return false;
        };
        if (index < 0) {
            const QString why = s.open.empty()
                                    ? expectation(s, a, b)
                                    : QStringLiteral("the teams of %1 are level on every rule and still to be decided")
                                          .arg(s.open.front().where);
            return failHere(QStringLiteral("%1 v %2 does not fit the bracket of %3: %4")
                                .arg(match.team1, match.team2, m_t.format.name, why));
        }
        // A draw after extra time is stored with the shoot-out added, so
        // that the stored score names the winner.
        FootballTxt::Score sc = match.result();
        if (match.pen.isSet()) {
            sc.a += match.pen.a;
            sc.b += match.pen.b;
        }
        if (sc.a == sc.b)
            return failHere(QStringLiteral("%1 v %2 ends level without a penalty shoot-out; a knock-out match needs a winner")
                                .arg(match.team1, match.team2));
        FormatKnockoutMatch k;
        k.number = m_t.format.matches[size_t(index)].number;
        k.team1 = swapped ? b : a;
        k.team2 = swapped ? a : b;
        k.score1 = swapped ? sc.b : sc.a;
        k.score2 = swapped ? sc.a : sc.b;
        // How it was decided, where the text tells and the parts add up.
        const KnockoutScore parts = knockoutParts(match);
        if (parts.fits(sc.a, sc.b))
            k.parts = swapped ? parts.swapped() : parts;
        m_t.knockout.push_back(k);
        filled[size_t(index)] = true;
        anyFilled = true;
    }
    return true;
}

// Where the rules leave teams level, the knock-out matches show who went
// on: every order of the tied teams is tried. The one order that lets all
// matches fit is the decision; when several fit, the matches do not tell
// and the tie stays open for the user.
bool Importer::decideAndPlace(QString *error, int depth)
{
    const FormatStandings s = rankFormat(m_t);
    if (s.open.empty() || m_knockout.isEmpty() || depth > 8 || s.open.front().teams.size() > 6)
        return placeKnockout(error);
    const OpenTie tie = s.open.front();
    const size_t decisionsMark = m_t.decisions.size();
    const qsizetype notesMark = m_r.notes.size();
    std::vector<int> order = tie.teams;
    std::sort(order.begin(), order.end());
    QString firstError;
    int fits = 0;
    std::vector<TieDecision> chosen;
    QStringList chosenNotes;
    do {
        m_t.decisions.push_back({order});
        QString e;
        if (decideAndPlace(&e, depth + 1)) {
            if (++fits > 1) {
                m_t.decisions.resize(decisionsMark);
                m_r.notes.resize(notesMark);
                break;
            }
            chosen.assign(m_t.decisions.begin() + long(decisionsMark), m_t.decisions.end());
            QStringList names;
            for (int n : order)
                names << m_t.teamName(n);
            QStringList listed = names;
            std::sort(listed.begin(), listed.end());
            const QString last = listed.takeLast();
            chosenNotes = m_r.notes.mid(notesMark);
            chosenNotes.prepend(QStringLiteral("%1: %2 and %3 are level on every rule; the knock-out matches put %4")
                                    .arg(tie.where, listed.join(QStringLiteral(", ")), last,
                                         names.join(QStringLiteral(" before "))));
        } else if (firstError.isEmpty()) {
            firstError = e;
        }
        m_t.decisions.resize(decisionsMark);
        m_r.notes.resize(notesMark);
    } while (std::next_permutation(order.begin(), order.end()));
    if (fits == 1) {
        m_t.decisions.insert(m_t.decisions.end(), chosen.begin(), chosen.end());
        m_r.notes << chosenNotes;
        return placeKnockout(error);
    }
    if (fits > 1)
        return placeKnockout(error);
    *error = firstError;
    return false;
}

bool Importer::run(const QStringList &files, const QString &squads)
{
    if (files.isEmpty()) {
        m_r.error = QStringLiteral("no file to import");
        return false;
    }
    if (!readDocuments(files) || !takeGroups() || !readSquads(squads) || !sortMatches())
        return false;
    for (const MatchRef &m : m_groupMatches) {
        const int a = m_t.findTeam(m.match->team1);
        const int b = m_t.findTeam(m.match->team2);
        const FootballTxt::Score s = m.match->result();
        m_t.groupMatches.push_back({a, b, s.a, s.b});
        if (!scorers(m, a, b))
            return false;
    }
    m_r.groupMatches = int(m_groupMatches.size());
    QString error;
    if (!decideAndPlace(&error, 0)) {
        m_r.error = error;
        return false;
    }
    for (size_t i = 0; i < m_t.knockout.size(); ++i) {
        const MatchRef &m = m_knockout[qsizetype(i)];
        const FormatKnockoutMatch &k = m_t.knockout[i];
        // The scorers in the bracket's order of the teams.
        const bool swapped = m_t.findTeam(m.match->team1) != k.team1;
        if (!scorers(m, swapped ? k.team2 : k.team1, swapped ? k.team1 : k.team2))
            return false;
    }
    m_r.knockoutMatches = int(m_t.knockout.size());
    // Kept in the order of the bracket, as the window records them, so that
    // a tournament reads the same whatever order its files gave.
    std::stable_sort(m_t.knockout.begin(), m_t.knockout.end(), [&](const auto &a, const auto &b) {
        return m_t.format.indexOf(a.number) < m_t.format.indexOf(b.number);
    });
    m_r.open = rankFormat(m_t).open;
    // The tournament is the one its file names ("= Euro 2024"), played by
    // the rules of its format; the messages above name the rules.
    for (const auto &[file, doc] : m_docs)
        if (!doc.title.isEmpty()) {
            FormatFile::rename(m_t.format, doc.title);
            break;
        }
    return true;
}

} // namespace

int countGroups(const QStringList &files, QString *error)
{
    std::set<QString> names;
    for (const QString &file : files) {
        const BoundedFile::Result in = BoundedFile::read(file, FootballTxt::kMaxBytes);
        if (!in.ok()) {
            *error = QStringLiteral("%1: cannot read: %2").arg(file, BoundedFile::reason(in, FootballTxt::kMaxBytes));
            return -1;
        }
        const FootballTxt::ReadResult read = FootballTxt::read(OlderForms::matches(in.bytes));
        if (!read.ok) {
            *error = QStringLiteral("%1: line %2: %3").arg(file, QString::number(read.error.line), FootballTxt::message(read.error));
            return -1;
        }
        for (const FootballTxt::Stage &stage : read.document.stages)
            for (const FootballTxt::Group &g : stage.groups)
                names.insert(g.name);
    }
    return int(names.size());
}

QString defaultFormat(int groups)
{
    switch (groups) {
    case 12: return QStringLiteral("world2026");
    case 8: return QStringLiteral("world1998");
    case 6: return QStringLiteral("euro2020");
    case 4: return QStringLiteral("euro2000");
    default: return QString();
    }
}

Result importFiles(FormatTournament &t, const QStringList &files, const QString &squads)
{
    Result r;
    Importer importer(t, r);
    r.ok = importer.run(files, squads);
    return r;
}

Result importSquads(FormatTournament &t, const QString &squads)
{
    Result r;
    Importer importer(t, r);
    r.ok = importer.runSquads(squads);
    return r;
}

} // namespace FormatImport
