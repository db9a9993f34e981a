#include "tournament/format/TournamentFormat.h"

#include <algorithm>
#include <set>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "common/BoundedFile.h"

QString FormatSide::text() const
{
    switch (kind) {
    case GroupWinner: return QStringLiteral("1") + QLatin1Char(group);
    case RunnerUp: return QStringLiteral("2") + QLatin1Char(group);
    case Third: return QStringLiteral("3") + QString::fromLatin1(groups);
    case Winner: return QStringLiteral("W%1").arg(match);
    case Loser: return QStringLiteral("L%1").arg(match);
    }
    return QString();
}

int TournamentFormat::indexOf(int number) const
{
    for (size_t i = 0; i < matches.size(); ++i)
        if (matches[i].number == number)
            return int(i);
    return -1;
}

QString TournamentFormat::roundName(const FormatMatch &m) const
{
    if (m.losers)
        return QStringLiteral("Match for third place");
    switch (firstRoundTeams() >> m.round) {
    case 32: return QStringLiteral("Round of 32");
    case 16: return QStringLiteral("Round of 16");
    case 8: return QStringLiteral("Quarter-finals");
    case 4: return QStringLiteral("Semi-finals");
    default: return QStringLiteral("Final");
    }
}

namespace FormatFile {

namespace {

class Parser
{
public:
    Parser(const QString &file, TournamentFormat &f) : m_file(file), m_f(f) {}

    bool run(const QByteArray &bytes);
    QString error;

private:
    bool fail(int line, const QString &what)
    {
        error = line > 0 ? QStringLiteral("%1: line %2: %3").arg(m_file, QString::number(line), what)
                         : QStringLiteral("%1: %2").arg(m_file, what);
        return false;
    }
    bool statement(int line, const QString &keyword, const QStringList &words, const QString &rest);
    bool side(int line, const QString &word, FormatSide *out);
    bool groupLetters(int line, const QString &word, const QString &what, QByteArray *out);
    bool number(int line, const QString &word, const QString &what, int lo, int hi, int *out);
    bool checkBracket();
    bool checkThirds();

    QString m_file;
    TournamentFormat &m_f;
    int m_lastLine = 0;
    std::map<QString, int> m_seen; // statement -> line
    struct RawRow
    {
        int line;
        QByteArray qualified;
        QByteArray assigned;
    };
    std::vector<RawRow> m_rows;
};

bool Parser::number(int line, const QString &word, const QString &what, int lo, int hi, int *out)
{
    bool ok = false;
    const int v = word.toInt(&ok);
    // Only plain digits: "+3" or "0x10" are no numbers of the format.
    for (QChar c : word)
        ok = ok && c.isDigit() && c.unicode() < 128;
    if (!ok || v < lo || v > hi)
        return fail(line, QStringLiteral("expected %1 (%2 to %3), found \"%4\"").arg(what).arg(lo).arg(hi).arg(word));
    *out = v;
    return true;
}

// Letters of groups: each a group of the format, none twice; kept sorted.
bool Parser::groupLetters(int line, const QString &word, const QString &what, QByteArray *out)
{
    QByteArray letters;
    const char last = char('A' + m_f.groups - 1);
    for (QChar c : word) {
        const char l = c.unicode() < 128 ? char(c.unicode()) : 0;
        if (l < 'A' || l > last)
            return fail(line, QStringLiteral("%1: \"%2\" is no group of the format (A to %3)")
                                  .arg(what, QString(c), QChar(last)));
        if (letters.contains(l))
            return fail(line, QStringLiteral("%1: group %2 is named twice").arg(what, QString(c)));
        letters += l;
    }
    *out = letters;
    return true;
}

bool Parser::side(int line, const QString &word, FormatSide *out)
{
    const QString expected =
        QStringLiteral("expected a side (1A winner of group A, 2A runner-up, 3ABC a third of groups A, B or C, "
                       "W37 winner or L37 loser of match 37), found \"%1\"")
            .arg(word);
    if (word.size() < 2)
        return fail(line, expected);
    const QChar k = word.at(0);
    const QString rest = word.mid(1);
    if (k == QLatin1Char('1') || k == QLatin1Char('2')) {
        QByteArray g;
        if (rest.size() != 1)
            return fail(line, expected);
        if (!groupLetters(line, rest, QStringLiteral("side %1").arg(word), &g))
            return false;
        out->kind = k == QLatin1Char('1') ? FormatSide::GroupWinner : FormatSide::RunnerUp;
        out->group = g.at(0);
        return true;
    }
    if (k == QLatin1Char('3')) {
        QByteArray g;
        if (!groupLetters(line, rest, QStringLiteral("side %1").arg(word), &g))
            return false;
        std::sort(g.begin(), g.end());
        out->kind = FormatSide::Third;
        out->groups = g;
        return true;
    }
    if (k == QLatin1Char('W') || k == QLatin1Char('L')) {
        int n = 0;
        if (!number(line, rest, QStringLiteral("a match number after %1").arg(k), 1, 999, &n))
            return false;
        const int earlier = m_f.indexOf(n);
        if (earlier < 0)
            return fail(line, QStringLiteral("side %1: expected the number of an earlier match").arg(word));
        out->kind = k == QLatin1Char('W') ? FormatSide::Winner : FormatSide::Loser;
        out->match = n;
        return true;
    }
    return fail(line, expected);
}

bool Parser::statement(int line, const QString &keyword, const QStringList &words, const QString &rest)
{
    const bool once = keyword != QLatin1String("row") && keyword != QLatin1String("match");
    if (once) {
        if (m_seen.count(keyword))
            return fail(line, QStringLiteral("a second \"%1\" line (the first is line %2)").arg(keyword, QString::number(m_seen[keyword])));
        m_seen[keyword] = line;
    }
    // Sides and rows name groups, so the number of groups comes first.
    if ((keyword == QLatin1String("match") || keyword == QLatin1String("row") || keyword == QLatin1String("thirds"))
        && !m_seen.count(QStringLiteral("groups")))
        return fail(line, QStringLiteral("expected the \"groups\" line before the first \"%1\" line").arg(keyword));

    if (keyword == QLatin1String("name")) {
        if (rest.isEmpty())
            return fail(line, QStringLiteral("expected the format's name after \"name\""));
        if (rest.size() > kMaxNameLength)
            return fail(line, QStringLiteral("expected a name of at most %1 characters").arg(kMaxNameLength));
        // Blanks of any kind between words become one, so that the name
        // stays one field wherever it is stored.
        m_f.name = words.join(QLatin1Char(' '));
        return true;
    }
    if (keyword == QLatin1String("groups")) {
        if (words.size() != 1)
            return fail(line, QStringLiteral("expected one number after \"groups\" (2 to 12)"));
        return number(line, words[0], QStringLiteral("the number of groups"), 2, TournamentFormat::kMaxGroups,
                      &m_f.groups);
    }
    if (keyword == QLatin1String("win")) {
        if (words.size() != 1 || (words[0] != QLatin1String("2") && words[0] != QLatin1String("3")))
            return fail(line, QStringLiteral("expected the points for a win after \"win\": 2 or 3"));
        m_f.win = words[0].toInt();
        return true;
    }
    if (keyword == QLatin1String("order")) {
        if (words.size() != 1
            || (words[0] != QLatin1String("direct") && words[0] != QLatin1String("goals")))
            return fail(line, QStringLiteral("expected \"direct\" or \"goals\" after \"order\""));
        m_f.order = words[0] == QLatin1String("direct") ? TournamentFormat::Order::Direct
                                                        : TournamentFormat::Order::Goals;
        return true;
    }
    if (keyword == QLatin1String("thirds")) {
        if (words.isEmpty())
            return fail(line, QStringLiteral("expected the number of thirds that go on, then their matches"));
        if (!number(line, words[0], QStringLiteral("the number of thirds that go on"), 0, m_f.groups, &m_f.thirds))
            return false;
        if (words.size() != 1 + m_f.thirds)
            return fail(line, QStringLiteral("expected %1 match numbers after the number of thirds, found %2")
                                  .arg(m_f.thirds).arg(words.size() - 1));
        for (int i = 1; i < words.size(); ++i) {
            int n = 0;
            if (!number(line, words[i], QStringLiteral("a match number"), 1, 999, &n))
                return false;
            if (std::find(m_f.thirdMatches.begin(), m_f.thirdMatches.end(), n) != m_f.thirdMatches.end())
                return fail(line, QStringLiteral("match %1 is named twice").arg(n));
            m_f.thirdMatches.push_back(n);
        }
        return true;
    }
    if (keyword == QLatin1String("row")) {
        if (!m_seen.count(QStringLiteral("thirds")))
            return fail(line, QStringLiteral("expected the \"thirds\" line before the first \"row\" line"));
        if (m_f.thirds == 0)
            return fail(line, QStringLiteral("no thirds go on, so no \"row\" lines are expected"));
        if (words.size() != 2)
            return fail(line, QStringLiteral("expected the groups whose thirds go on, then the group of each third's match"));
        RawRow row{line, {}, {}};
        if (!groupLetters(line, words[0], QStringLiteral("row"), &row.qualified))
            return false;
        if (row.qualified.size() != m_f.thirds)
            return fail(line, QStringLiteral("expected %1 groups whose thirds go on, found %2")
                                  .arg(m_f.thirds).arg(row.qualified.size()));
        if (!std::is_sorted(row.qualified.begin(), row.qualified.end()))
            return fail(line, QStringLiteral("expected the groups of a row in letter order"));
        if (!groupLetters(line, words[1], QStringLiteral("row"), &row.assigned))
            return false;
        QByteArray sorted = row.assigned;
        std::sort(sorted.begin(), sorted.end());
        if (sorted != row.qualified)
            return fail(line, QStringLiteral("expected each of the groups %1 once in the row's second word")
                                  .arg(QString::fromLatin1(row.qualified)));
        if (m_f.rows.count(row.qualified))
            return fail(line, QStringLiteral("a second row for the thirds of groups %1").arg(QString::fromLatin1(row.qualified)));
        m_f.rows[row.qualified] = row.assigned;
        m_rows.push_back(row);
        return true;
    }
    if (keyword == QLatin1String("match")) {
        if (words.size() != 3)
            return fail(line, QStringLiteral("expected a match number and two sides after \"match\""));
        FormatMatch m;
        m.line = line;
        if (!number(line, words[0], QStringLiteral("a match number"), 1, 999, &m.number))
            return false;
        if (m_f.indexOf(m.number) >= 0)
            return fail(line, QStringLiteral("match %1 is given twice").arg(m.number));
        for (int s = 0; s < 2; ++s)
            if (!side(line, words[1 + s], &m.sides[s]))
                return false;
        m_f.matches.push_back(m);
        return true;
    }
    return fail(line, QStringLiteral("expected name, groups, win, order, thirds, row or match, found \"%1\"").arg(keyword));
}

bool Parser::checkBracket()
{
    if (m_f.matches.empty())
        return fail(m_lastLine, QStringLiteral("expected \"match\" lines: the format has no knock-out stage"));
    const int teams = m_f.firstRoundTeams();
    if (teams < 4 || teams > 32 || (teams & (teams - 1)) != 0)
        return fail(m_seen[QStringLiteral("thirds")],
                    QStringLiteral("2 × %1 groups + %2 thirds make %3 teams; the first knock-out round takes 4, 8, 16 or 32")
                        .arg(m_f.groups).arg(m_f.thirds).arg(teams));

    std::set<QString> groupSides;
    std::set<int> winnersUsed, losersUsed;
    int thirdSides = 0;
    for (FormatMatch &m : m_f.matches) {
        const FormatSide &a = m.sides[0];
        const FormatSide &b = m.sides[1];
        if (a.isGroupSide() != b.isGroupSide())
            return fail(m.line, QStringLiteral("match %1: expected two group places (first round) or two earlier matches")
                                    .arg(m.number));
        if (a.isGroupSide()) {
            if (!m_f.matches.empty() && &m != &m_f.matches.front() && m_f.matches[&m - &m_f.matches[0] - 1].round > 0)
                return fail(m.line, QStringLiteral("match %1: the first-round matches come before the later rounds").arg(m.number));
            for (const FormatSide &s : m.sides) {
                if (s.kind == FormatSide::Third) {
                    ++thirdSides;
                    continue;
                }
                if (!groupSides.insert(s.text()).second)
                    return fail(m.line, QStringLiteral("%1 plays twice in the first round").arg(s.text()));
            }
            if (a.kind == FormatSide::Third && b.kind == FormatSide::Third)
                return fail(m.line, QStringLiteral("match %1: expected at most one third per match").arg(m.number));
            if (a.kind != FormatSide::Third && b.kind != FormatSide::Third && a.group == b.group)
                return fail(m.line, QStringLiteral("match %1: two teams of group %2 meet again").arg(m.number).arg(QChar(a.group)));
            m.round = 0;
            continue;
        }
        if (a.kind != b.kind)
            return fail(m.line, QStringLiteral("match %1: expected two winners or two losers").arg(m.number));
        const FormatMatch &ma = m_f.matches[size_t(m_f.indexOf(a.match))];
        const FormatMatch &mb = m_f.matches[size_t(m_f.indexOf(b.match))];
        if (a.match == b.match)
            return fail(m.line, QStringLiteral("match %1 names match %2 twice").arg(m.number).arg(a.match));
        if (ma.round != mb.round || ma.losers || mb.losers)
            return fail(m.line, QStringLiteral("match %1: expected the %2 of two matches of one round")
                                    .arg(m.number).arg(a.kind == FormatSide::Winner ? "winners" : "losers"));
        std::set<int> &used = a.kind == FormatSide::Winner ? winnersUsed : losersUsed;
        for (const FormatSide &s : m.sides)
            if (!used.insert(s.match).second)
                return fail(m.line, QStringLiteral("the %1 of match %2 is used twice")
                                        .arg(s.kind == FormatSide::Winner ? "winner" : "loser").arg(s.match));
        if (a.kind == FormatSide::Loser) {
            if ((teams >> ma.round) != 4)
                return fail(m.line, QStringLiteral("match %1: expected the losers of the semi-finals").arg(m.number));
            m.losers = true;
            m.round = ma.round + 1;
        } else {
            m.round = ma.round + 1;
        }
    }
    for (int g = 0; g < m_f.groups; ++g)
        for (const char *p : {"1", "2"}) {
            const QString s = QLatin1String(p) + QChar('A' + g);
            if (!groupSides.count(s))
                return fail(m_lastLine, QStringLiteral("every group sends its first two: no match takes %1").arg(s));
        }
    if (thirdSides != m_f.thirds)
        return fail(m_seen[QStringLiteral("thirds")],
                    QStringLiteral("%1 thirds go on but %2 matches take a third").arg(m_f.thirds).arg(thirdSides));
    int firstRound = 0;
    for (const FormatMatch &m : m_f.matches)
        firstRound += m.round == 0 ? 1 : 0;
    if (2 * firstRound != teams)
        return fail(m_lastLine, QStringLiteral("the first round holds %1 teams; expected 2 × groups + thirds = %2")
                                    .arg(2 * firstRound).arg(teams));
    // Every winner goes on but the final's, and no round is left half full.
    std::vector<const FormatMatch *> finals;
    for (const FormatMatch &m : m_f.matches)
        if (!m.losers && !winnersUsed.count(m.number))
            finals.push_back(&m);
    if (finals.size() != 1) {
        QStringList numbers;
        for (const FormatMatch *m : finals)
            numbers << QString::number(m->number);
        return fail(m_lastLine, QStringLiteral("expected one final; the winners of matches %1 play no later match")
                                    .arg(numbers.join(QStringLiteral(", "))));
    }
    if ((teams >> finals.front()->round) != 2)
        return fail(finals.front()->line, QStringLiteral("match %1 is the final but holds %2 teams of the first round")
                                              .arg(finals.front()->number));
    return true;
}

bool Parser::checkThirds()
{
    const int thirdsLine = m_seen[QStringLiteral("thirds")];
    // The matches of the thirds line are exactly those with a third's side.
    std::vector<const FormatSide *> thirdSide;
    std::vector<const FormatSide *> otherSide;
    for (int n : m_f.thirdMatches) {
        const int i = m_f.indexOf(n);
        if (i < 0)
            return fail(thirdsLine, QStringLiteral("match %1 is no match of the format").arg(n));
        const FormatMatch &m = m_f.matches[size_t(i)];
        const int s = m.sides[0].kind == FormatSide::Third ? 0 : m.sides[1].kind == FormatSide::Third ? 1 : -1;
        if (s < 0)
            return fail(thirdsLine, QStringLiteral("match %1 takes no third").arg(n));
        thirdSide.push_back(&m.sides[s]);
        otherSide.push_back(&m.sides[1 - s]);
    }
    for (const RawRow &row : m_rows)
        for (int i = 0; i < m_f.thirds; ++i) {
            const char g = row.assigned.at(i);
            const int n = m_f.thirdMatches[size_t(i)];
            if (!thirdSide[size_t(i)]->groups.contains(g))
                return fail(row.line, QStringLiteral("the third of group %1 cannot play match %2: its side is %3")
                                          .arg(QChar(g)).arg(n).arg(thirdSide[size_t(i)]->text()));
            if (otherSide[size_t(i)]->group == g)
                return fail(row.line, QStringLiteral("the third of group %1 would meet %2 of its own group in match %3")
                                          .arg(QString(QChar(g)), otherSide[size_t(i)]->text(), QString::number(n)));
        }
    // Every combination of qualifying groups has its row.
    if (m_f.thirds > 0) {
        std::vector<int> pick(size_t(m_f.thirds));
        for (int i = 0; i < m_f.thirds; ++i)
            pick[size_t(i)] = i;
        for (;;) {
            QByteArray key;
            for (int p : pick)
                key += char('A' + p);
            if (!m_f.rows.count(key))
                return fail(thirdsLine, QStringLiteral("no row for the thirds of groups %1").arg(QString::fromLatin1(key)));
            int k = m_f.thirds - 1;
            while (k >= 0 && pick[size_t(k)] == m_f.groups - m_f.thirds + k)
                --k;
            if (k < 0)
                break;
            ++pick[size_t(k)];
            for (int j = k + 1; j < m_f.thirds; ++j)
                pick[size_t(j)] = pick[size_t(j - 1)] + 1;
        }
    }
    return true;
}

bool Parser::run(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        return fail(0, QStringLiteral("expected UTF-8 text"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int line = i + 1;
        QString l = lines[i];
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
        if (l.size() > kMaxLineLength)
            return fail(line, QStringLiteral("expected a line of at most %1 characters").arg(kMaxLineLength));
        const int hash = l.indexOf(QLatin1Char('#'));
        if (hash >= 0)
            l.truncate(hash);
        for (QChar c : l)
            if (c.category() == QChar::Other_Control && c != QLatin1Char('\t'))
                return fail(line, QStringLiteral("expected text, found a control character"));
        l = l.trimmed();
        if (l.isEmpty())
            continue;
        m_lastLine = line;
        static const QRegularExpression blankRx(QStringLiteral("\\s"));
        static const QRegularExpression blanksRx(QStringLiteral("\\s+"));
        const int blank = int(l.indexOf(blankRx));
        const QString keyword = blank < 0 ? l : l.left(blank);
        const QString rest = blank < 0 ? QString() : l.mid(blank).trimmed();
        const QStringList words = rest.split(blanksRx, Qt::SkipEmptyParts);
        if (!statement(line, keyword, words, rest))
            return false;
    }
    for (const char *key : {"name", "groups", "win", "order", "thirds"})
        if (!m_seen.count(QLatin1String(key)))
            return fail(0, QStringLiteral("expected a \"%1\" line").arg(QLatin1String(key)));
    return checkBracket() && checkThirds();
}

} // namespace

Read parse(const QByteArray &bytes, const QString &fileName)
{
    Read r;
    if (bytes.size() > kMaxBytes) {
        r.error = QStringLiteral("%1: larger than %2").arg(fileName, BoundedFile::limitText(kMaxBytes));
        return r;
    }
    Parser p(fileName, r.format);
    r.ok = p.run(bytes);
    if (!r.ok) {
        r.error = p.error;
        r.format = TournamentFormat();
        return r;
    }
    r.format.source = bytes;
    return r;
}

namespace {

bool isNameLine(const QByteArray &line)
{
    const QByteArray bare = line.trimmed();
    return bare.startsWith("name") && (bare.size() == 4 || bare.at(4) == ' ' || bare.at(4) == '\t');
}

} // namespace

bool sameRules(const QByteArray &a, const QByteArray &b)
{
    if (a == b)
        return true;
    const QList<QByteArray> x = a.split('\n');
    const QList<QByteArray> y = b.split('\n');
    if (x.size() != y.size())
        return false;
    for (qsizetype i = 0; i < x.size(); ++i)
        if (x[i] != y[i] && !(isNameLine(x[i]) && isNameLine(y[i])))
            return false;
    return true;
}

bool rename(TournamentFormat &f, const QString &name)
{
    const QString wanted = name.simplified();
    if (wanted.isEmpty() || wanted == f.name)
        return false;
    QList<QByteArray> lines = f.source.split('\n');
    bool found = false;
    for (QByteArray &line : lines) {
        if (isNameLine(line)) {
            line = "name    " + wanted.toUtf8() + (line.endsWith('\r') ? "\r" : "");
            found = true;
            break;
        }
    }
    // Read back, so that a name with a comment sign or beyond the limit
    // never makes a file that reads otherwise.
    const Read renamed = found ? parse(lines.join('\n'), QString()) : Read();
    if (!renamed.ok || renamed.format.name != wanted)
        return false;
    f.name = renamed.format.name;
    f.source = renamed.format.source;
    return true;
}

QStringList shippedNames()
{
    return {QStringLiteral("world1998"), QStringLiteral("world2006"), QStringLiteral("world2026"),
            QStringLiteral("euro2020"), QStringLiteral("euro2016"), QStringLiteral("world1986"),
            QStringLiteral("euro2000")};
}

QByteArray shippedText(const QString &key)
{
    if (!shippedNames().contains(key))
        return QByteArray();
    QFile f(QStringLiteral(":/formats/%1.format").arg(key));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

Read load(const QString &nameOrPath)
{
    if (shippedNames().contains(nameOrPath))
        return parse(shippedText(nameOrPath), nameOrPath + QStringLiteral(".format"));
    Read r;
    const BoundedFile::Result in = BoundedFile::read(nameOrPath, kMaxBytes);
    if (!in.ok()) {
        if (in.status == BoundedFile::Status::Missing && !nameOrPath.contains(QLatin1Char('/'))
            && !nameOrPath.contains(QLatin1Char('.')))
            r.error = QStringLiteral("%1: no such format (the formats are %2) and no such file")
                          .arg(nameOrPath, shippedNames().join(QStringLiteral(", ")));
        else
            r.error = QStringLiteral("%1: cannot read: %2").arg(nameOrPath, BoundedFile::reason(in, kMaxBytes));
        return r;
    }
    return parse(in.bytes, nameOrPath);
}

bool isClassic(const TournamentFormat &f)
{
    static const TournamentFormat classic = parse(shippedText(QLatin1String(kClassicKey)), QString()).format;
    if (f.groups != classic.groups || f.win != classic.win || f.order != classic.order || f.thirds != 0
        || f.matches.size() != classic.matches.size())
        return false;
    // Match numbers are only labels; the bracket is the sides in order.
    for (size_t i = 0; i < f.matches.size(); ++i)
        for (int s = 0; s < 2; ++s) {
            const FormatSide &x = f.matches[i].sides[s];
            const FormatSide &y = classic.matches[i].sides[s];
            if (x.kind != y.kind || x.group != y.group)
                return false;
            if (x.match || y.match) {
                if (f.indexOf(x.match) != classic.indexOf(y.match))
                    return false;
            }
        }
    return true;
}

} // namespace FormatFile
