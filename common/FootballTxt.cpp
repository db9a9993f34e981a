#include "common/FootballTxt.h"

#include "common/FootballTxtLine.h"

#include <QStringDecoder>

#include <algorithm>

namespace FootballTxt {

using namespace Line;

QDate Round::firstDay() const
{
    QDate first;
    for (const Match &m : matches)
        if (m.date.isValid() && (!first.isValid() || m.date < first))
            first = m.date;
    return first;
}

QDate Round::lastDay() const
{
    QDate last;
    for (const Match &m : matches)
        if (m.date.isValid() && (!last.isValid() || m.date > last))
            last = m.date;
    return last;
}

int Document::matchCount() const
{
    int n = 0;
    for (const Stage &s : stages)
        for (const Round &r : s.rounds)
            n += int(r.matches.size());
    return n;
}

// ---------------------------------------------------------------------------
// texts

QString message(const Issue &issue)
{
    const QString &d = issue.detail;
    switch (issue.problem) {
    case Problem::NotUtf8: return QStringLiteral("not UTF-8 text");
    case Problem::CrLineEnds: return QStringLiteral("lines end in a carriage return alone; save the file with LF or CR LF line ends");
    case Problem::TooLarge: return QStringLiteral("larger than 4 MB");
    case Problem::LineTooLong: return QStringLiteral("line longer than %1 characters").arg(kMaxLineLength);
    case Problem::ControlCharacter: return QStringLiteral("control character in the line");
    case Problem::UnknownLine: return QStringLiteral("line not understood: %1").arg(d);
    case Problem::BadScore: return QStringLiteral("score not understood: %1").arg(d);
    case Problem::MissingTeam: return QStringLiteral("second team missing: %1").arg(d);
    case Problem::BadName: return QStringLiteral("name not usable: %1").arg(d);
    case Problem::BadDate: return QStringLiteral("no such date: %1").arg(d);
    case Problem::BadTime: return QStringLiteral("no such time: %1").arg(d);
    case Problem::GoalsWithoutMatch: return QStringLiteral("goals without a match before them");
    case Problem::GoalsUnclosed: return QStringLiteral("goals list not closed by \")\"");
    case Problem::GoalsTwice: return QStringLiteral("second goals list for one match");
    case Problem::GoalsSides: return QStringLiteral("more than one \";\" in the goals list");
    case Problem::BadPlayer: return QStringLiteral("player line not understood: %1").arg(d);
    case Problem::JsonSyntax: return QStringLiteral("not JSON: %1").arg(d);
    case Problem::JsonField: return QStringLiteral("field \"%1\" missing or wrong").arg(d);
    case Problem::DateWithoutYear: return QStringLiteral("date without a year: %1").arg(d);
    case Problem::GoalsNoSide: return QStringLiteral("goals that no team can be given: %1").arg(d);
    case Problem::GoalNoPlayer: return QStringLiteral("minute without a player: %1").arg(d);
    case Problem::ScorerNoMinute: return QStringLiteral("scorer without a minute: %1").arg(d);
    case Problem::SecondTitle: return QStringLiteral("second title left out: %1").arg(d);
    }
    return d;
}

QString lineMessage(const Issue &issue)
{
    if (issue.line <= 0)
        return message(issue);
    return QStringLiteral("line %1: %2").arg(issue.line).arg(message(issue));
}

// ---------------------------------------------------------------------------
// reading

namespace {

// An editor that adds a byte order mark to a file that has one already
// leaves two; every mark at the start is the file's, not its text.
QByteArrayView withoutByteOrderMarks(QByteArrayView all)
{
    while (all.startsWith("\xEF\xBB\xBF"))
        all = all.sliced(3);
    return all;
}

// A goals list being collected over one or more lines.
struct PendingGoals {
    bool open = false;
    int line = 0;
    int lines = 0;
    int depth = 0;
    QString text;
};

class Reader {
public:
    ReadResult run(const QByteArray &bytes);

private:
    bool fail(int line, Problem p, const QString &detail = QString())
    {
        m_result.ok = false;
        m_result.error = Issue{line, p, shortened(detail)};
        return false;
    }
    void warn(int line, Problem p, const QString &detail)
    {
        m_result.document.warnings.append(Issue{line, p, shortened(detail)});
    }

    bool line(int number, QString text);
    bool heading(int number, const QString &text);
    bool barLine(int number, const QString &text);
    bool dateLine(int number, const QString &shown, const DateParts &parts);
    bool matchLine(int number, const MatchLine &m);
    bool goalsStart(int number, const QString &text);
    bool goalsMore(int number, const QString &text);
    bool goalsEnd();
    bool resolveDate(int number, const QString &shown, const DateParts &parts, QDate *date);

    Stage &stage() { return m_result.document.stages.last(); }
    void resetDay()
    {
        m_date = QDate();
        m_time = QTime();
        m_zone.clear();
    }

    ReadResult m_result;
    Years m_years;
    bool m_hasTitle = false;
    QDate m_date;
    QTime m_time;
    QString m_zone;
    // The match a goals list may follow: the last line read was its line
    // (or blank lines after it).
    Match *m_lastMatch = nullptr;
    bool m_lastMatchHasGoals = false;
    PendingGoals m_goals;
};

ReadResult Reader::run(const QByteArray &bytes)
{
    m_result = ReadResult{};
    m_result.document.stages.append(Stage{});
    if (bytes.size() > kMaxBytes) {
        fail(0, Problem::TooLarge);
        return m_result;
    }
    QByteArrayView all = withoutByteOrderMarks(bytes);
    int number = 0;
    qsizetype pos = 0;
    while (pos <= all.size()) {
        qsizetype end = all.indexOf('\n', pos);
        const bool last = end < 0;
        if (last)
            end = all.size();
        QByteArrayView raw = all.sliced(pos, end - pos);
        pos = end + 1;
        ++number;
        if (raw.endsWith('\r'))
            raw = raw.chopped(1);
        if (last && raw.isEmpty())
            break;
        if (raw.contains('\r')) {
            fail(number, Problem::CrLineEnds);
            return m_result;
        }
        if (raw.size() > kMaxLineLength * 4) {
            fail(number, Problem::LineTooLong);
            return m_result;
        }
        // A BOM is taken off the file's start only; one at the start of a later line is text.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        QString text = decoder.decode(raw);
        if (decoder.hasError()) {
            fail(number, Problem::NotUtf8);
            return m_result;
        }
        if (!line(number, std::move(text)))
            return m_result;
        if (last)
            break;
    }
    if (m_goals.open) {
        fail(m_goals.line, Problem::GoalsUnclosed);
        return m_result;
    }
    m_result.ok = true;
    return m_result;
}

bool Reader::line(int number, QString text)
{
    if (text.size() > kMaxLineLength)
        return fail(number, Problem::LineTooLong);
    for (QChar &c : text) {
        if (c == QLatin1Char('\t'))
            continue;
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return fail(number, Problem::ControlCharacter);
    }
    // A tab separates fields as two blanks do.
    text.replace(QLatin1Char('\t'), QLatin1String("  "));
    const qsizetype hash = text.indexOf(QLatin1Char('#'));
    if (hash >= 0)
        text.truncate(hash);
    const QString t = trimBlanks(text);

    if (m_goals.open)
        return goalsMore(number, t);
    if (t.isEmpty())
        return true;
    if (t.startsWith(QLatin1Char('('))) {
        return goalsStart(number, t);
    }
    // Goals follow their match directly; any other line ends that.
    m_lastMatch = nullptr;

    if (t.startsWith(QLatin1Char('='))) {
        qsizetype n = 0;
        while (n < t.size() && t[n] == QLatin1Char('='))
            ++n;
        const QString name = trimBlanks(t.mid(n));
        if (n == 1) {
            if (m_hasTitle) {
                warn(number, Problem::SecondTitle, name);
                return true;
            }
            m_hasTitle = true;
            m_result.document.title = name;
            m_result.document.titleLine = number;
            m_years.setTitle(name);
            return true;
        }
        Stage s;
        s.name = name;
        s.line = number;
        m_result.document.stages.append(s);
        resetDay();
        return true;
    }
    if (startsWithMarker(t)) {
        const QString rest = trimBlanks(t.mid(1));
        if (rest.isEmpty())
            return fail(number, Problem::UnknownLine, t);
        if (rest.contains(QLatin1Char('|')))
            return barLine(number, rest);
        return heading(number, rest);
    }
    if (t.contains(QLatin1Char('|')))
        return barLine(number, t);
    if (t.startsWith(QLatin1Char('['))) {
        if (!t.endsWith(QLatin1Char(']')))
            return fail(number, Problem::UnknownLine, t);
        const QString inner = trimBlanks(t.mid(1, t.size() - 2));
        const DateParts parts = wholeDate(inner);
        if (!parts.isDate())
            return fail(number, Problem::BadDate, t);
        return dateLine(number, t, parts);
    }
    const DateParts parts = wholeDate(t);
    if (parts.isDate())
        return dateLine(number, t, parts);
    const MatchLine m = parseMatchLine(t);
    if (m.kind == MatchLine::Fault)
        return fail(number, m.fault.problem, m.fault.detail);
    if (m.kind == MatchLine::Ok)
        return matchLine(number, m);
    if (isWordsAlone(t))
        return heading(number, t);
    return fail(number, Problem::UnknownLine, t);
}

bool Reader::heading(int number, const QString &text)
{
    Round r;
    r.heading = text;
    r.number = firstNumber(text);
    r.line = number;
    stage().rounds.append(r);
    resetDay();
    return true;
}

bool Reader::barLine(int number, const QString &text)
{
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    const QString left = trimBlanks(text.left(bar));
    const QString right = trimBlanks(text.mid(bar + 1));
    if (left.isEmpty() || left.contains(QLatin1String("  ")))
        return fail(number, Problem::UnknownLine, text);
    if (isGroupName(left)) {
        Group g;
        g.name = left;
        g.line = number;
        if (!right.isEmpty()) {
            for (const QString &field : splitFields(right)) {
                const QString team = teamNameOf(field);
                if (!teamNameOk(team))
                    return fail(number, Problem::BadName, field);
                g.teams.append(team);
            }
        }
        stage().groups.append(g);
        return true;
    }
    RoundDays d;
    d.heading = left;
    d.number = firstNumber(left);
    d.days = right;
    d.line = number;
    stage().roundDays.append(d);
    return true;
}

bool Reader::resolveDate(int number, const QString &shown, const DateParts &parts, QDate *date)
{
    const bool known = parts.year > 0 || m_years.knowsYear();
    *date = m_years.resolve(parts.month, parts.day, parts.year);
    if (date->isValid())
        return true;
    if (known)
        return fail(number, Problem::BadDate, shown);
    warn(number, Problem::DateWithoutYear, shown);
    return true;
}

bool Reader::dateLine(int number, const QString &shown, const DateParts &parts)
{
    QDate d;
    if (!resolveDate(number, shown, parts, &d))
        return false;
    // A date whose year nobody knows is reported and otherwise passed
    // over: the matches keep the day they had, which is none, since every
    // date before it lacked a year as well.
    if (d.isValid()) {
        m_date = d;
        m_time = QTime();
        m_zone.clear();
    }
    return true;
}

bool Reader::matchLine(int number, const MatchLine &m)
{
    if (m.hasDate) {
        QDate d;
        if (!resolveDate(number, m.dateText, m.date, &d))
            return false;
        if (d.isValid()) {
            m_date = d;
            m_time = QTime();
            m_zone.clear();
        }
    }
    if (m.time.isValid()) {
        m_time = m.time;
        m_zone = m.zone;
    }
    Stage &s = stage();
    if (s.rounds.isEmpty()) {
        // Matches before any heading of their stage: a round of their own,
        // without a heading.
        Round r;
        r.line = number;
        s.rounds.append(r);
    }
    Match match;
    match.line = number;
    match.date = m_date;
    match.time = m_time;
    match.timeZone = m_zone;
    match.team1 = m.team1;
    match.team2 = m.team2;
    match.ft = m.ft;
    match.ht = m.ht;
    match.et = m.et;
    match.pen = m.pen;
    match.venue = m.venue;
    match.note = m.note;
    s.rounds.last().matches.append(match);
    m_lastMatch = &s.rounds.last().matches.last();
    m_lastMatchHasGoals = false;
    return true;
}

bool Reader::goalsStart(int number, const QString &text)
{
    if (!m_lastMatch)
        return fail(number, Problem::GoalsWithoutMatch);
    if (m_lastMatchHasGoals)
        return fail(number, Problem::GoalsTwice);
    m_goals = PendingGoals{};
    m_goals.open = true;
    m_goals.line = number;
    return goalsMore(number, text);
}

bool Reader::goalsMore(int number, const QString &text)
{
    if (++m_goals.lines > kMaxGoalsLines)
        return fail(m_goals.line, Problem::GoalsUnclosed);
    if (m_goals.lines > 1 && (text.startsWith(QLatin1Char('=')) || startsWithMarker(text)))
        return fail(m_goals.line, Problem::GoalsUnclosed);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('('))
            ++m_goals.depth;
        else if (c == QLatin1Char(')'))
            --m_goals.depth;
        if (m_goals.depth == 0) {
            if (!trimBlanks(text.mid(i + 1)).isEmpty())
                return fail(number, Problem::UnknownLine, text);
            if (!m_goals.text.isEmpty())
                m_goals.text += QLatin1Char(' ');
            m_goals.text += text.left(i + 1);
            return goalsEnd();
        }
    }
    if (!text.isEmpty()) {
        if (!m_goals.text.isEmpty())
            m_goals.text += QLatin1Char(' ');
        m_goals.text += text;
    }
    return true;
}

bool Reader::goalsEnd()
{
    m_goals.open = false;
    m_lastMatchHasGoals = true;
    // Without the outer parentheses.
    const QString inner = m_goals.text.mid(1, m_goals.text.size() - 2);
    GoalsParse parsed = parseGoals(inner, m_lastMatch->result());
    if (!parsed.ok)
        return fail(m_goals.line, parsed.fault.problem, parsed.fault.detail);
    for (Issue w : parsed.warnings) {
        w.line = m_goals.line;
        m_result.document.warnings.append(w);
    }
    for (Goal &g : parsed.goals) {
        g.line = m_goals.line;
        m_lastMatch->goals.append(g);
    }
    return true;
}

} // namespace

ReadResult read(const QByteArray &utf8)
{
    Reader reader;
    return reader.run(utf8);
}

// ---------------------------------------------------------------------------
// comparing

namespace {

bool sameGoals(const QList<Goal> &a, const QList<Goal> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].player != b[i].player || a[i].minutes != b[i].minutes || a[i].side != b[i].side)
            return false;
    return true;
}

bool sameMatch(const Match &a, const Match &b)
{
    return a.date == b.date && a.time == b.time && a.timeZone == b.timeZone && a.team1 == b.team1
        && a.team2 == b.team2 && a.ft == b.ft && a.ht == b.ht && a.et == b.et && a.pen == b.pen
        && a.venue == b.venue && a.note == b.note && sameGoals(a.goals, b.goals);
}

bool sameStage(const Stage &a, const Stage &b)
{
    if (a.name != b.name || a.groups.size() != b.groups.size() || a.roundDays.size() != b.roundDays.size()
        || a.rounds.size() != b.rounds.size())
        return false;
    for (qsizetype i = 0; i < a.groups.size(); ++i)
        if (a.groups[i].name != b.groups[i].name || a.groups[i].teams != b.groups[i].teams)
            return false;
    for (qsizetype i = 0; i < a.roundDays.size(); ++i)
        if (a.roundDays[i].heading != b.roundDays[i].heading || a.roundDays[i].number != b.roundDays[i].number
            || a.roundDays[i].days != b.roundDays[i].days)
            return false;
    for (qsizetype i = 0; i < a.rounds.size(); ++i) {
        const Round &x = a.rounds[i];
        const Round &y = b.rounds[i];
        if (x.heading != y.heading || x.number != y.number || x.matches.size() != y.matches.size())
            return false;
        for (qsizetype k = 0; k < x.matches.size(); ++k)
            if (!sameMatch(x.matches[k], y.matches[k]))
                return false;
    }
    return true;
}

} // namespace

bool sameContent(const Document &a, const Document &b)
{
    if (a.title != b.title || a.stages.size() != b.stages.size())
        return false;
    for (qsizetype i = 0; i < a.stages.size(); ++i)
        if (!sameStage(a.stages[i], b.stages[i]))
            return false;
    return true;
}

// ---------------------------------------------------------------------------
// writing

namespace {

const char *const kWeekdays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char *const kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QString scoreText(const Match &m)
{
    QString s;
    auto pair = [](const Score &x) { return QStringLiteral("%1-%2").arg(x.a).arg(x.b); };
    if (m.et.isSet()) {
        s = pair(m.et) + QLatin1String(" a.e.t.");
        if (m.ft.isSet()) {
            s += QLatin1String(" (") + pair(m.ft);
            if (m.ht.isSet())
                s += QLatin1String(", ") + pair(m.ht);
            s += QLatin1Char(')');
        }
    } else if (m.ft.isSet()) {
        s = pair(m.ft);
        if (m.ht.isSet())
            s += QLatin1String(" (") + pair(m.ht) + QLatin1Char(')');
    }
    if (m.pen.isSet()) {
        if (!s.isEmpty())
            s += QLatin1String(", ");
        s += pair(m.pen) + QLatin1String(" pen.");
    }
    return s;
}

QString minuteText(const GoalMinute &g)
{
    QString s = QString::number(g.minute);
    if (g.offset > 0)
        s += QLatin1Char('+') + QString::number(g.offset);
    s += QLatin1Char('\'');
    if (g.penalty)
        s += QLatin1String(" (pen.)");
    if (g.ownGoal)
        s += QLatin1String(" (o.g.)");
    return s;
}

QString goalsPart(const QList<const Goal *> &goals)
{
    if (goals.isEmpty())
        return QStringLiteral("-");
    QStringList entries;
    for (const Goal *g : goals) {
        // After a minute a word such as "og" is its mark; a "-" between
        // them keeps it the next scorer's name.
        const QString lead = !entries.isEmpty() && startsWithGoalMark(g->player) ? QStringLiteral("- ") : QString();
        QStringList minutes;
        for (const GoalMinute &m : g->minutes)
            minutes << minuteText(m);
        QString e = g->player;
        if (!minutes.isEmpty()) {
            if (!e.isEmpty())
                e += QLatin1Char(' ');
            e += minutes.join(QLatin1String(", "));
        }
        entries << lead + e;
    }
    return entries.join(QLatin1String("  "));
}

// The side a goals list without ";" is given to: the one team that scored.
Side soleScorer(const Score &r)
{
    if (!r.isSet())
        return Side::None;
    if (r.a > 0 && r.b == 0)
        return Side::Team1;
    if (r.a == 0 && r.b > 0)
        return Side::Team2;
    return Side::None;
}

QString goalsText(const Match &m)
{
    QList<const Goal *> home, away, none;
    for (const Goal &g : m.goals)
        (g.side == Side::Team1 ? home : g.side == Side::Team2 ? away : none).append(&g);
    if (!none.isEmpty())
        return QLatin1Char('(') + goalsPart(none) + QLatin1Char(')');
    const Side sole = soleScorer(m.result());
    if (away.isEmpty() && sole == Side::Team1)
        return QLatin1Char('(') + goalsPart(home) + QLatin1Char(')');
    if (home.isEmpty() && sole == Side::Team2)
        return QLatin1Char('(') + goalsPart(away) + QLatin1Char(')');
    return QLatin1Char('(') + goalsPart(home) + QLatin1String("; ") + goalsPart(away) + QLatin1Char(')');
}

// The lines a goals list is written on. A list longer than a line is
// broken at blanks, which the reader joins again as one blank; a line never
// begins with what would end the list ("=", a round marker). The first line
// is indented as the format shows it, and a line whose first word would not
// fit behind the indent goes without one.
QStringList goalsLines(const QString &text)
{
    QStringList lines;
    QString indent(11, QLatin1Char(' '));
    qsizetype pos = 0;
    while (pos < text.size()) {
        const QStringView rest = QStringView(text).mid(pos);
        if (indent.size() + rest.size() <= kMaxLineLength) {
            lines << indent + rest.toString();
            break;
        }
        const qsizetype room = kMaxLineLength - indent.size();
        qsizetype cut = -1, next = -1;
        for (qsizetype i = qMin(room, rest.size() - 1); i > 0 && cut < 0; --i) {
            if (rest[i] != QLatin1Char(' ') || rest[i - 1] == QLatin1Char(' '))
                continue;
            qsizetype j = i;
            while (j < rest.size() && rest[j] == QLatin1Char(' '))
                ++j;
            if (j < rest.size() && rest[j] != QLatin1Char('=') && !startsWithMarker(rest.mid(j))) {
                cut = i;
                next = j;
            }
        }
        if (cut < 0) {
            if (!indent.isEmpty()) {
                indent.clear();
                continue;
            }
            // No place to break: the line stays too long, and unwritable()
            // says so before anything is written.
            lines << rest.toString();
            break;
        }
        lines << indent + rest.left(cut).toString();
        pos += next;
        indent = QString(12, QLatin1Char(' '));
    }
    return lines;
}

// The match line as the writer puts it, without the date line before it.
QString matchText(const Match &m, bool showTime)
{
    QString line = QStringLiteral("  ");
    if (showTime) {
        line += m.time.toString(QStringLiteral("hh.mm"));
        if (!m.timeZone.isEmpty())
            line += QLatin1Char(' ') + m.timeZone;
    } else {
        line += QLatin1String("     ");
    }
    line += QLatin1String("  ");
    QString score = scoreText(m);
    if (!m.note.isEmpty())
        score += QLatin1String(" [") + m.note + QLatin1Char(']');
    if (score.isEmpty())
        line += m.team1 + QLatin1String(" v ") + m.team2;
    else
        line += m.team1 + QLatin1String("  ") + score + QLatin1String("  ") + m.team2;
    if (!m.venue.isEmpty())
        line += QLatin1String("  @ ") + m.venue;
    return line;
}

bool isPlainHeading(const QString &text)
{
    if (text.isEmpty() || text.startsWith(QLatin1Char('=')) || text.startsWith(QLatin1Char('('))
        || text.startsWith(QLatin1Char('[')) || startsWithMarker(text) || text.contains(QLatin1Char('|'))
        || text.contains(QLatin1Char('#')))
        return false;
    if (wholeDate(text).isDate())
        return false;
    if (parseMatchLine(text).kind != MatchLine::NotMatch)
        return false;
    return isWordsAlone(text);
}

class Writer {
public:
    explicit Writer(const Document &doc) : m_doc(doc) {}
    QByteArray run();

private:
    void put(const QString &s) { m_out += s.toUtf8() + '\n'; }
    // Ends the output with n empty lines (none at the start of the file).
    void blank(int n)
    {
        if (m_out.isEmpty())
            return;
        int have = 0;
        while (have < m_out.size() && m_out[m_out.size() - 1 - have] == '\n')
            ++have;
        for (; have < n + 1; ++have)
            m_out += '\n';
    }
    void stage(const Stage &s, bool first);
    void match(const Match &m);

    const Document &m_doc;
    Years m_years;
    QDate m_date;
    QTime m_time;
    QString m_zone;
    QByteArray m_out;
};

QByteArray Writer::run()
{
    if (!m_doc.title.isEmpty()) {
        put(QLatin1String("= ") + m_doc.title);
        m_years.setTitle(m_doc.title);
    }
    for (qsizetype i = 0; i < m_doc.stages.size(); ++i)
        stage(m_doc.stages[i], i == 0);
    // A text that begins with U+FEFF would lose it as the file's byte order mark.
    if (m_out.startsWith("\xEF\xBB\xBF"))
        m_out.prepend('\n');
    return m_out;
}

void Writer::stage(const Stage &s, bool first)
{
    if (!first || !s.name.isEmpty()) {
        blank(2);
        put(QLatin1String("== ") + s.name);
    }
    m_date = QDate();
    m_time = QTime();
    m_zone.clear();
    if (!s.groups.isEmpty() || !s.roundDays.isEmpty())
        blank(1);
    for (const Group &g : s.groups) {
        QString line = g.name + QLatin1String("  |");
        if (!g.teams.isEmpty())
            line += QLatin1String("  ") + g.teams.join(QLatin1String("  "));
        put(line);
    }
    for (const RoundDays &d : s.roundDays) {
        QString line = QStringLiteral("▪ ") + d.heading + QLatin1String("  |");
        if (!d.days.isEmpty())
            line += QLatin1String("  ") + d.days;
        put(line);
    }
    for (const Round &r : s.rounds) {
        if (!r.heading.isEmpty()) {
            blank(2);
            put(isPlainHeading(r.heading) ? r.heading : QStringLiteral("▪ ") + r.heading);
            m_date = QDate();
            m_time = QTime();
            m_zone.clear();
        } else {
            blank(1);
        }
        for (const Match &m : r.matches)
            match(m);
    }
}

void Writer::match(const Match &m)
{
    // A date line starts a day; it is written again for a match that has
    // no time of its own after one that had, so that no time carries over.
    if (m.date.isValid() && (m.date != m_date || (!m.time.isValid() && m_time.isValid()))) {
        const int month = m.date.month();
        const int day = m.date.day();
        const bool yearNeeded = m_years.peek(month, day) != m.date;
        QString text = QStringLiteral("[%1 %2/%3")
                           .arg(QLatin1String(kWeekdays[m.date.dayOfWeek() - 1]),
                                QLatin1String(kMonthNames[month - 1]))
                           .arg(day);
        if (yearNeeded)
            text += QLatin1Char(' ') + QString::number(m.date.year());
        text += QLatin1Char(']');
        put(text);
        m_years.resolve(month, day, yearNeeded ? m.date.year() : 0);
        m_date = m.date;
        m_time = QTime();
        m_zone.clear();
    }
    const bool showTime = m.time.isValid() && (m.time != m_time || m.timeZone != m_zone);
    if (showTime) {
        m_time = m.time;
        m_zone = m.timeZone;
    }
    put(matchText(m, showTime));
    if (!m.goals.isEmpty())
        for (const QString &line : goalsLines(goalsText(m)))
            put(line);
}

} // namespace

QString unwritable(const Document &doc)
{
    auto bad = [](const QString &what, const QString &text) {
        return QStringLiteral("%1: %2").arg(what, shortened(text));
    };
    auto hasHash = [](const QString &s) { return s.contains(QLatin1Char('#')) || s.contains(QLatin1Char('\n')); };
    if (hasHash(doc.title) || trimBlanks(doc.title) != doc.title)
        return bad(QStringLiteral("title"), doc.title);
    if (doc.stages.isEmpty())
        return QStringLiteral("no stage");
    for (qsizetype si = 0; si < doc.stages.size(); ++si) {
        const Stage &s = doc.stages[si];
        if (hasHash(s.name) || trimBlanks(s.name) != s.name
            || (si == 0 && !s.name.isEmpty()))
            return bad(QStringLiteral("stage"), s.name);
        for (const Group &g : s.groups) {
            if (!isGroupName(g.name) || hasHash(g.name) || g.name.contains(QLatin1Char('|'))
                || g.name.contains(QLatin1String("  ")) || trimBlanks(g.name) != g.name)
                return bad(QStringLiteral("group"), g.name);
            for (const QString &t : g.teams)
                if (!isTeamName(t))
                    return bad(QStringLiteral("team"), t);
        }
        for (const RoundDays &d : s.roundDays)
            if (d.heading.isEmpty() || isGroupName(d.heading) || hasHash(d.heading) || hasHash(d.days)
                || d.heading.contains(QLatin1Char('|')) || d.heading.contains(QLatin1String("  "))
                || trimBlanks(d.heading) != d.heading || trimBlanks(d.days) != d.days
                || d.number != firstNumber(d.heading))
                return bad(QStringLiteral("round"), d.heading);
        for (qsizetype ri = 0; ri < s.rounds.size(); ++ri) {
            const Round &r = s.rounds[ri];
            if ((r.heading.isEmpty() && ri > 0) || hasHash(r.heading) || r.heading.contains(QLatin1Char('|'))
                || trimBlanks(r.heading) != r.heading || r.number != firstNumber(r.heading))
                return bad(QStringLiteral("round"), r.heading);
            QDate day;
            QTime time;
            for (const Match &m : r.matches) {
                if (!isTeamName(m.team1))
                    return bad(QStringLiteral("team"), m.team1);
                if (!isTeamName(m.team2))
                    return bad(QStringLiteral("team"), m.team2);
                if (!m.date.isValid() && day.isValid())
                    return bad(QStringLiteral("match without a date after dated ones"), m.team1);
                if (m.date != day)
                    time = QTime();
                day = m.date;
                if (!m.time.isValid() && time.isValid() && !m.date.isValid())
                    return bad(QStringLiteral("match without a time after timed ones"), m.team1);
                time = m.time;
                if (m.time.isValid() && (m.time.second() != 0 || m.time.msec() != 0))
                    return bad(QStringLiteral("time"), m.time.toString());
                if (!m.timeZone.isEmpty() && !isZone(m.timeZone))
                    return bad(QStringLiteral("time zone"), m.timeZone);
                for (const Score *x : {&m.ft, &m.ht, &m.et, &m.pen})
                    if ((x->a >= 0) != (x->b >= 0) || x->a > kMaxGoals || x->b > kMaxGoals)
                        return bad(QStringLiteral("score"), m.team1);
                if (m.ht.isSet() && !m.ft.isSet())
                    return bad(QStringLiteral("half time without full time"), m.team1);
                if (hasHash(m.venue) || trimBlanks(m.venue) != m.venue)
                    return bad(QStringLiteral("venue"), m.venue);
                if (!m.note.isEmpty() && (!isNoteText(m.note) || scoreText(m).isEmpty()))
                    return bad(QStringLiteral("note"), m.note);
                if ((m.date.isValid() && (m.date.year() < kMinYear || m.date.year() > kMaxYear)))
                    return bad(QStringLiteral("date"), m.date.toString(Qt::ISODate));
                bool sided = false, unsided = false;
                for (const Goal &g : m.goals) {
                    (g.side == Side::None ? unsided : sided) = true;
                    if (!isPlayerName(g.player))
                        return bad(QStringLiteral("player"), g.player);
                    if (g.player.isEmpty() && g.minutes.isEmpty())
                        return bad(QStringLiteral("goal without player and minute"), m.team1);
                    for (const GoalMinute &gm : g.minutes)
                        if (gm.minute < 0 || gm.minute > 999 || gm.offset < 0 || gm.offset > 99)
                            return bad(QStringLiteral("minute"), g.player);
                }
                if (sided && unsided)
                    return bad(QStringLiteral("goals with and without a side"), m.team1);
                // Brackets in the names, in the order they are written, must
                // not close the list before its end; within one side a
                // scorer without a player comes first, one without a minute
                // last.
                int depth = 0;
                for (Side side : {Side::Team1, Side::Team2, Side::None}) {
                    QList<const Goal *> part;
                    for (const Goal &g : m.goals)
                        if (g.side == side)
                            part.append(&g);
                    for (qsizetype i = 0; i < part.size(); ++i) {
                        const Goal &g = *part[i];
                        if ((g.player.isEmpty() && i > 0) || (g.minutes.isEmpty() && i + 1 < part.size()))
                            return bad(QStringLiteral("player"), g.player);
                        for (QChar c : g.player) {
                            if (c == QLatin1Char('('))
                                ++depth;
                            else if (c == QLatin1Char(')') && --depth < 0)
                                return bad(QStringLiteral("player"), g.player);
                        }
                    }
                }
                if (depth != 0)
                    return bad(QStringLiteral("brackets in the goals"), m.team1);
                if (unsided && soleScorer(m.result()) != Side::None)
                    return bad(QStringLiteral("goals without a side"), m.team1);
                if (!m.goals.isEmpty() && goalsLines(goalsText(m)).size() > kMaxGoalsLines)
                    return bad(QStringLiteral("goals list too long"), m.team1);
            }
        }
    }
    // Names, venues and goals lists may together make a line longer than
    // the reader takes; the text is made once more to look.
    const QByteArray text = write(doc);
    int number = 0;
    for (const QByteArray &line : text.split('\n')) {
        ++number;
        if (QString::fromUtf8(line).size() > kMaxLineLength)
            return bad(QStringLiteral("line too long"), QString::number(number));
    }
    return QString();
}

QByteArray write(const Document &doc)
{
    Writer writer(doc);
    return writer.run();
}

bool isTeamName(const QString &name)
{
    return teamNameOk(name);
}

// ---------------------------------------------------------------------------
// squads

SquadResult readSquad(QByteArrayView utf8, SquadLineForm otherForm)
{
    SquadResult result;
    if (utf8.size() > kMaxBytes) {
        result.error = Issue{0, Problem::TooLarge, QString()};
        return result;
    }
    QByteArrayView all = withoutByteOrderMarks(utf8);
    int number = 0;
    bool hasTitle = false;
    qsizetype pos = 0;
    while (pos < all.size()) {
        qsizetype end = all.indexOf('\n', pos);
        if (end < 0)
            end = all.size();
        QByteArrayView raw = all.sliced(pos, end - pos);
        pos = end + 1;
        ++number;
        if (raw.endsWith('\r'))
            raw = raw.chopped(1);
        if (raw.contains('\r')) {
            result.error = Issue{number, Problem::CrLineEnds, QString()};
            return result;
        }
        if (raw.size() > kMaxLineLength * 4) {
            result.error = Issue{number, Problem::LineTooLong, QString()};
            return result;
        }
        // A BOM is taken off the file's start only; one at the start of a later line is text.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        QString text = decoder.decode(raw);
        if (decoder.hasError()) {
            result.error = Issue{number, Problem::NotUtf8, QString()};
            return result;
        }
        if (text.size() > kMaxLineLength) {
            result.error = Issue{number, Problem::LineTooLong, QString()};
            return result;
        }
        for (QChar c : text)
            if (c != QLatin1Char('\t') && (c.unicode() < 0x20 || c.unicode() == 0x7f)) {
                result.error = Issue{number, Problem::ControlCharacter, QString()};
                return result;
            }
        Player p;
        p.line = number;
        if (otherForm && otherForm(text, &p)) {
            result.players.append(std::move(p));
            continue;
        }
        text.replace(QLatin1Char('\t'), QLatin1String("  "));
        const qsizetype hash = text.indexOf(QLatin1Char('#'));
        if (hash >= 0)
            text.truncate(hash);
        const QString t = trimBlanks(text);
        if (t.isEmpty())
            continue;
        if (t.startsWith(QLatin1Char('='))) {
            if (!hasTitle) {
                qsizetype n = 0;
                while (n < t.size() && t[n] == QLatin1Char('='))
                    ++n;
                result.title = trimBlanks(t.mid(n));
                hasTitle = true;
            }
            continue;
        }
        if (!parsePlayerLine(t, &p.number, &p.position, &p.name)) {
            result.error = Issue{number, Problem::BadPlayer, shortened(t)};
            return result;
        }
        result.players.append(p);
    }
    result.ok = true;
    return result;
}

QByteArray writeSquad(const QString &title, const QList<Player> &players)
{
    QByteArray out;
    if (!title.isEmpty())
        out += "= " + title.toUtf8() + "\n\n";
    for (const Player &p : players) {
        QString line;
        if (p.number > 0)
            line += QStringLiteral("(%1)").arg(p.number).rightJustified(4, QLatin1Char(' ')) + QLatin1String("  ");
        if (!p.position.isEmpty())
            line += p.position + QLatin1String("  ");
        line += p.name;
        out += line.toUtf8() + '\n';
    }
    return out;
}

} // namespace FootballTxt
