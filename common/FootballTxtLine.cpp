#include "common/FootballTxtLine.h"

#include <QRegularExpression>

#include <cstdlib>

namespace FootballTxt::Line {

namespace {

struct Token {
    qsizetype start = 0;
    qsizetype end = 0;
    QStringView text;
};

QList<Token> tokenize(QStringView s)
{
    QList<Token> out;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        while (i < n && s[i] == QLatin1Char(' '))
            ++i;
        if (i >= n)
            break;
        qsizetype j = i;
        while (j < n && s[j] != QLatin1Char(' '))
            ++j;
        out.append(Token{i, j, s.mid(i, j - i)});
        i = j;
    }
    return out;
}

qsizetype skipBlanks(QStringView s, qsizetype i)
{
    while (i < s.size() && s[i] == QLatin1Char(' '))
        ++i;
    return i;
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool digits(QStringView t, int minLen, int maxLen, int *value)
{
    if (t.size() < minLen || t.size() > maxLen)
        return false;
    int v = 0;
    for (QChar c : t) {
        if (!isAsciiDigit(c))
            return false;
        v = v * 10 + (c.unicode() - '0');
    }
    *value = v;
    return true;
}

QStringView withoutComma(QStringView t)
{
    return t.endsWith(QLatin1Char(',')) ? t.chopped(1) : t;
}

bool equalsAny(QStringView t, std::initializer_list<const char *> words)
{
    // Most words differ in length, which rules them out before the
    // comparison that folds case.
    for (const char *w : words)
        if (const QLatin1String word(w); word.size() == t.size() && t.compare(word, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

int monthOf(QStringView t)
{
    static const char *const names[12][2] = {
        {"jan", "january"}, {"feb", "february"}, {"mar", "march"},     {"apr", "april"},
        {"may", "may"},     {"jun", "june"},     {"jul", "july"},      {"aug", "august"},
        {"sep", "september"}, {"oct", "october"}, {"nov", "november"}, {"dec", "december"}};
    for (int i = 0; i < 12; ++i)
        if (equalsAny(t, {names[i][0], names[i][1]}))
            return i + 1;
    if (equalsAny(t, {"sept"}))
        return 9;
    return 0;
}

bool isWeekday(QStringView t)
{
    return equalsAny(withoutComma(t), {"mon", "tue", "wed", "thu", "fri", "sat", "sun", "monday", "tuesday",
                                       "wednesday", "thursday", "friday", "saturday", "sunday", "tues",
                                       "thur", "thurs"});
}

bool isoDate(QStringView a, int *y, int *m, int *d)
{
    return a.size() == 10 && a[4] == QLatin1Char('-') && a[7] == QLatin1Char('-') && digits(a.left(4), 4, 4, y)
        && digits(a.mid(5, 2), 2, 2, m) && digits(a.mid(8, 2), 2, 2, d) && *y >= 1000 && *m >= 1 && *m <= 12;
}

DateParts dateAt(const QList<Token> &t, qsizetype i)
{
    const qsizetype n = t.size();
    qsizetype j = i;
    if (j < n && isWeekday(t[j].text))
        ++j;
    if (j >= n)
        return {};
    const QStringView a = withoutComma(t[j].text);
    int y = 0, m = 0, d = 0;
    if (isoDate(a, &y, &m, &d)) {
        if (d < 1 || d > 31)
            return {};
        return DateParts{m, d, y, int(j + 1 - i)};
    }
    const qsizetype slash = a.indexOf(QLatin1Char('/'));
    if (slash > 0) {
        m = monthOf(a.left(slash));
        if (m == 0 || !digits(a.mid(slash + 1), 1, 2, &d))
            return {};
        ++j;
    } else if ((m = monthOf(a)) != 0 && j + 1 < n && digits(withoutComma(t[j + 1].text), 1, 2, &d)) {
        j += 2;
    } else if (digits(a, 1, 2, &d) && j + 1 < n && (m = monthOf(withoutComma(t[j + 1].text))) != 0) {
        j += 2;
    } else {
        return {};
    }
    if (d < 1 || d > 31)
        return {};
    if (j < n && digits(t[j].text, 4, 4, &y) && y >= 1000)
        ++j;
    else
        y = 0;
    return DateParts{m, d, y, int(j - i)};
}

// digits, "-", digits; returns the end, or -1. A side of more than three
// digits gives a value above kMaxGoals.
qsizetype pairAt(QStringView s, qsizetype i, int *a, int *b)
{
    auto run = [&](qsizetype k, int *v) -> qsizetype {
        qsizetype e = k;
        long long x = 0;
        while (e < s.size() && isAsciiDigit(s[e])) {
            if (x <= kMaxGoals)
                x = x * 10 + (s[e].unicode() - '0');
            ++e;
        }
        *v = int(qMin<long long>(x, kMaxGoals + 1));
        return e;
    };
    int x = 0, y = 0;
    const qsizetype e1 = run(i, &x);
    if (e1 == i || e1 >= s.size() || s[e1] != QLatin1Char('-'))
        return -1;
    const qsizetype e2 = run(e1 + 1, &y);
    if (e2 == e1 + 1)
        return -1;
    if (a)
        *a = x;
    if (b)
        *b = y;
    return e2;
}

bool startsWithPair(QStringView t)
{
    return pairAt(t, 0, nullptr, nullptr) >= 0;
}

// A token that opens a score: "2-1", "2-1(1-0)", "1-1,".
bool isScoreToken(QStringView t)
{
    const qsizetype e = pairAt(t, 0, nullptr, nullptr);
    return e >= 0 && (e == t.size() || t[e] == QLatin1Char('(') || t[e] == QLatin1Char(','));
}

bool isVersus(QStringView t)
{
    return t == QLatin1String("v") || t == QLatin1String("vs") || t == QLatin1String("vs.");
}

enum class Mark { None, Aet, Pen };

bool boundaryAt(QStringView s, qsizetype i)
{
    return i >= s.size() || s[i] == QLatin1Char(' ') || s[i] == QLatin1Char('(') || s[i] == QLatin1Char(',')
        || s[i] == QLatin1Char(')') || s[i] == QLatin1Char(';');
}

const char *const kAetMarks[] = {"a.e.t.", "a.e.t", "aet", "n.v.", "n.v"};
const char *const kPenMarks[] = {"pen.", "pen", "i.e.", "i.e"};

Mark scoreMarkAt(QStringView s, qsizetype i, qsizetype *end)
{
    for (const char *m : kAetMarks) {
        const qsizetype len = qsizetype(qstrlen(m));
        if (s.mid(i, len).compare(QLatin1String(m), Qt::CaseInsensitive) == 0 && boundaryAt(s, i + len)) {
            *end = i + len;
            return Mark::Aet;
        }
    }
    for (const char *m : kPenMarks) {
        const qsizetype len = qsizetype(qstrlen(m));
        if (s.mid(i, len).compare(QLatin1String(m), Qt::CaseInsensitive) == 0 && boundaryAt(s, i + len)) {
            *end = i + len;
            return Mark::Pen;
        }
    }
    return Mark::None;
}

bool isScoreMarkWord(QStringView t)
{
    qsizetype end = 0;
    return scoreMarkAt(t, 0, &end) != Mark::None && end == t.size();
}

struct ScoreParse {
    bool ok = false;
    qsizetype end = 0;
    Score ft, ht, et, pen;
};

// "2-1", "2-1 (1-0)", "1-0 a.e.t. (0-0)", "2-2 a.e.t. (2-2), 4-3 pen.",
// "1-1 a.e.t (1-1, 1-0), 1-3 pen.": each part at most once.
ScoreParse parseScore(QStringView s, qsizetype start)
{
    ScoreParse r;
    qsizetype p = start;
    const qsizetype n = s.size();
    for (int item = 0; item < 3; ++item) {
        qsizetype q = skipBlanks(s, p);
        int a = 0, b = 0;
        const qsizetype e = pairAt(s, q, &a, &b);
        if (e < 0)
            return r;
        if (a > kMaxGoals || b > kMaxGoals)
            return r;
        q = e;
        qsizetype markEnd = 0;
        const Mark mark = scoreMarkAt(s, skipBlanks(s, q), &markEnd);
        if (mark != Mark::None)
            q = markEnd;
        Score first, second;
        bool paren = false;
        qsizetype q2 = skipBlanks(s, q);
        if (q2 < n && s[q2] == QLatin1Char('(')) {
            qsizetype q3 = skipBlanks(s, q2 + 1);
            const qsizetype e1 = pairAt(s, q3, &first.a, &first.b);
            if (e1 < 0)
                return r;
            q3 = skipBlanks(s, e1);
            if (q3 < n && s[q3] == QLatin1Char(',')) {
                q3 = skipBlanks(s, q3 + 1);
                const qsizetype e2 = pairAt(s, q3, &second.a, &second.b);
                if (e2 < 0)
                    return r;
                q3 = skipBlanks(s, e2);
            }
            if (q3 >= n || s[q3] != QLatin1Char(')'))
                return r;
            if (first.a > kMaxGoals || first.b > kMaxGoals || second.a > kMaxGoals || second.b > kMaxGoals)
                return r;
            q = q3 + 1;
            paren = true;
        }
        switch (mark) {
        case Mark::None:
            if (r.ft.isSet() || second.isSet())
                return r;
            r.ft = Score{a, b};
            if (paren)
                r.ht = first;
            break;
        case Mark::Aet:
            if (r.et.isSet() || (paren && r.ft.isSet()))
                return r;
            r.et = Score{a, b};
            if (paren) {
                r.ft = first;
                r.ht = second;
            }
            break;
        case Mark::Pen:
            if (r.pen.isSet() || paren)
                return r;
            r.pen = Score{a, b};
            break;
        }
        p = q;
        // Another part follows, after a comma or not.
        qsizetype next = skipBlanks(s, p);
        if (next < n && s[next] == QLatin1Char(',')) {
            const qsizetype after = skipBlanks(s, next + 1);
            if (pairAt(s, after, nullptr, nullptr) < 0)
                break;
            p = next + 1;
            continue;
        }
        if (pairAt(s, next, nullptr, nullptr) < 0)
            break;
    }
    // A fourth part would repeat one of the three.
    if (pairAt(s, skipBlanks(s, p), nullptr, nullptr) >= 0)
        return r;
    r.ok = true;
    r.end = p;
    return r;
}

QString between(QStringView s, const QList<Token> &t, qsizetype from, qsizetype to)
{
    if (from >= to)
        return QString();
    return s.mid(t[from].start, t[to - 1].end - t[from].start).toString();
}

// "[awarded]" after a score, from position i on (blanks first). Returns
// false for a bracket that is no note; *end is the position after it, or i
// when there is none.
bool noteAt(QStringView s, qsizetype i, QString *note, qsizetype *end)
{
    *end = i;
    const qsizetype open = skipBlanks(s, i);
    if (open >= s.size() || s[open] != QLatin1Char('['))
        return true;
    const qsizetype close = s.indexOf(QLatin1Char(']'), open + 1);
    if (close < 0)
        return false;
    const QStringView inner = s.mid(open + 1, close - open - 1);
    if (!isNoteText(inner))
        return false;
    *note = inner.toString();
    *end = close + 1;
    return true;
}

} // namespace

QString teamNameOf(QStringView s)
{
    return s.toString().simplified();
}

bool isNoteText(QStringView s)
{
    if (s.isEmpty() || s.startsWith(QLatin1Char(' ')) || s.endsWith(QLatin1Char(' '))
        || s.contains(QLatin1String("  ")))
        return false;
    for (QChar c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QLatin1Char('[') || c == QLatin1Char(']')
            || c == QLatin1Char('#') || c == QLatin1Char('@') || c == QLatin1Char('|'))
            return false;
    return true;
}

namespace {

MatchLine fault(Problem p, QStringView detail)
{
    MatchLine m;
    m.kind = MatchLine::Fault;
    m.fault = Issue{0, p, shortened(detail.toString())};
    return m;
}

// minutes: "26'", "90+9'"; returns the end, or -1.
qsizetype minuteAt(QStringView s, qsizetype i, GoalMinute *g)
{
    qsizetype e = i;
    int minute = 0;
    while (e < s.size() && isAsciiDigit(s[e]) && e - i < 4) {
        minute = minute * 10 + (s[e].unicode() - '0');
        ++e;
    }
    if (e == i || e - i > 3)
        return -1;
    int offset = 0;
    if (e < s.size() && s[e] == QLatin1Char('+')) {
        const qsizetype o = e + 1;
        qsizetype f = o;
        while (f < s.size() && isAsciiDigit(s[f]) && f - o < 3) {
            offset = offset * 10 + (s[f].unicode() - '0');
            ++f;
        }
        if (f == o || f - o > 2)
            return -1;
        e = f;
    }
    if (e >= s.size())
        return -1;
    const char16_t c = s[e].unicode();
    if (c != u'\'' && c != u'\u2019' && c != u'\u2032')
        return -1;
    g->minute = minute;
    g->offset = offset;
    g->penalty = false;
    g->ownGoal = false;
    return e + 1;
}

// "(pen.)", "pen", "(o.g.)", "og", ... after a minute.
qsizetype goalMarkAt(QStringView s, qsizetype i, GoalMinute *g)
{
    static const char *const pen[] = {"(pen.)", "(pen)", "(p)", "pen.", "pen"};
    static const char *const og[] = {"(o.g.)", "(o.g)", "(og)", "o.g.", "og"};
    for (const char *m : pen) {
        const qsizetype len = qsizetype(qstrlen(m));
        if (s.mid(i, len).compare(QLatin1String(m), Qt::CaseInsensitive) == 0 && boundaryAt(s, i + len)) {
            g->penalty = true;
            return i + len;
        }
    }
    for (const char *m : og) {
        const qsizetype len = qsizetype(qstrlen(m));
        if (s.mid(i, len).compare(QLatin1String(m), Qt::CaseInsensitive) == 0 && boundaryAt(s, i + len)) {
            g->ownGoal = true;
            return i + len;
        }
    }
    return -1;
}

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

void scanPart(QStringView s, Side side, GoalsParse &out)
{
    const qsizetype n = s.size();
    QStringList words;
    qsizetype current = -1; // index in out.goals of the scorer minutes go to
    qsizetype i = 0;
    while (i < n) {
        const QChar c = s[i];
        if (c == QLatin1Char(' ') || c == QLatin1Char(',')) {
            ++i;
            continue;
        }
        GoalMinute gm;
        const qsizetype e = isAsciiDigit(c) ? minuteAt(s, i, &gm) : -1;
        if (e > 0) {
            if (!words.isEmpty()) {
                Goal g;
                g.player = words.join(QLatin1Char(' '));
                g.side = side;
                words.clear();
                out.goals.append(g);
                current = out.goals.size() - 1;
            } else if (current < 0) {
                Goal g;
                g.side = side;
                out.goals.append(g);
                current = out.goals.size() - 1;
                out.warnings.append(Issue{0, Problem::GoalNoPlayer, s.mid(i, e - i).toString()});
            }
            i = e;
            for (int k = 0; k < 2; ++k) {
                const qsizetype m = goalMarkAt(s, skipBlanks(s, i), &gm);
                if (m < 0)
                    break;
                i = m;
            }
            out.goals[current].minutes.append(gm);
            continue;
        }
        qsizetype j = i;
        while (j < n && s[j] != QLatin1Char(' ') && s[j] != QLatin1Char(','))
            ++j;
        const QStringView w = s.mid(i, j - i);
        i = j;
        if (w == QLatin1String("-"))
            continue;
        words << w.toString();
        current = -1;
    }
    if (!words.isEmpty()) {
        Goal g;
        g.player = words.join(QLatin1Char(' '));
        g.side = side;
        out.goals.append(g);
        out.warnings.append(Issue{0, Problem::ScorerNoMinute, g.player});
    }
}

bool isPositionField(QStringView s)
{
    if (s.isEmpty() || s.size() > 3)
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            return false;
    return true;
}

} // namespace

QString trimBlanks(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] == QLatin1Char(' '))
        ++b;
    while (e > b && s[e - 1] == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b).toString();
}

QStringList splitFields(QStringView s)
{
    QStringList out;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        i = skipBlanks(s, i);
        if (i >= n)
            break;
        qsizetype j = i;
        while (j < n && !(s[j] == QLatin1Char(' ') && j + 1 < n && s[j + 1] == QLatin1Char(' ')))
            ++j;
        const QString f = trimBlanks(s.mid(i, j - i));
        if (!f.isEmpty())
            out << f;
        i = j;
    }
    return out;
}

QString shortened(const QString &s)
{
    if (s.size() <= 80)
        return s;
    return s.left(79) + QChar(0x2026);
}

bool startsWithMarker(QStringView s)
{
    return s.startsWith(QChar(0x00BB)) || s.startsWith(QChar(0x25AA));
}

int firstNumber(QStringView s)
{
    qsizetype i = 0;
    while (i < s.size() && !isAsciiDigit(s[i]))
        ++i;
    qsizetype j = i;
    while (j < s.size() && isAsciiDigit(s[j]))
        ++j;
    int v = 0;
    if (j == i || !digits(s.mid(i, j - i), 1, 6, &v))
        return 0;
    return v;
}

bool isGroupName(QStringView s)
{
    return s.left(5).compare(QLatin1String("group"), Qt::CaseInsensitive) == 0
        && (s.size() == 5 || s[5] == QLatin1Char(' '));
}

bool isWordsAlone(QStringView s)
{
    if (s.contains(QLatin1String("  ")))
        return false;
    for (QChar c : s)
        if (c.isLetter())
            return true;
    return false;
}

DateParts wholeDate(QStringView s)
{
    const QList<Token> t = tokenize(s);
    const DateParts p = dateAt(t, 0);
    if (p.tokens == t.size())
        return p;
    return {};
}

void Years::setTitle(const QString &title)
{
    static const QRegularExpression season(QStringLiteral("(?<!\\d)(\\d{4}) ?[/-] ?(\\d{4}|\\d{2})(?!\\d)"));
    static const QRegularExpression year(QStringLiteral("(?<!\\d)(\\d{4})(?!\\d)"));
    const QRegularExpressionMatch m = season.match(title);
    if (m.hasMatch()) {
        const int first = m.captured(1).toInt();
        const QString second = m.captured(2);
        const int next = second.toInt();
        if (first >= 1000
            && ((second.size() == 2 && next == (first + 1) % 100) || (second.size() == 4 && next == first + 1))) {
            m_seasonStart = first;
            return;
        }
    }
    const QRegularExpressionMatch y = year.match(title);
    if (y.hasMatch() && y.captured(1).toInt() >= 1000)
        m_titleYear = y.captured(1).toInt();
}

QDate Years::peek(int month, int day) const
{
    // A year carried over past 9999 or back before 1000 would be written
    // with a year no reader takes: no such date.
    const QDate d = nearest(month, day);
    return d.isValid() && d.year() >= kMinYear && d.year() <= kMaxYear ? d : QDate();
}

QDate Years::nearest(int month, int day) const
{
    if (m_seasonStart > 0)
        return QDate(month >= 7 ? m_seasonStart : m_seasonStart + 1, month, day);
    if (m_last.isValid()) {
        QDate best;
        qint64 bestDistance = 0;
        for (int dy : {0, 1, -1}) {
            const QDate c(m_last.year() + dy, month, day);
            if (!c.isValid())
                continue;
            const qint64 distance = std::llabs(m_last.daysTo(c));
            if (!best.isValid() || distance < bestDistance) {
                best = c;
                bestDistance = distance;
            }
        }
        return best;
    }
    if (m_titleYear > 0)
        return QDate(m_titleYear, month, day);
    return QDate();
}

QDate Years::resolve(int month, int day, int year)
{
    QDate d;
    if (year > 0) {
        d = QDate(year, month, day);
        if (d.isValid() && m_seasonStart > 0)
            m_seasonStart = month >= 7 ? year : year - 1;
    } else {
        d = peek(month, day);
    }
    if (d.isValid())
        m_last = d;
    return d;
}

bool isTimeShape(QStringView s)
{
    int h = 0, m = 0;
    const qsizetype sep = s.indexOf(QLatin1Char('.')) >= 0 ? s.indexOf(QLatin1Char('.')) : s.indexOf(QLatin1Char(':'));
    return sep > 0 && digits(s.left(sep), 1, 2, &h) && digits(s.mid(sep + 1), 2, 2, &m);
}

bool isZone(QStringView s)
{
    if (!s.startsWith(QLatin1String("UTC")))
        return false;
    QStringView rest = s.mid(3);
    if (rest.isEmpty())
        return true;
    if (rest[0] != QLatin1Char('+') && rest[0] != QLatin1Char('-'))
        return false;
    rest = rest.mid(1);
    int v = 0;
    const qsizetype colon = rest.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return digits(rest, 1, 2, &v);
    return digits(rest.left(colon), 1, 2, &v) && digits(rest.mid(colon + 1), 2, 2, &v);
}

MatchLine parseMatchLine(QStringView s)
{
    MatchLine r;
    QStringView body = s;
    const qsizetype at = s.indexOf(QLatin1Char('@'));
    if (at >= 0) {
        r.venue = trimBlanks(s.mid(at + 1));
        body = s.left(at);
    }
    const QList<Token> t = tokenize(body);
    const qsizetype n = t.size();
    qsizetype i = 0;
    const DateParts glued = dateAt(t, 0);
    if (glued.isDate() && glued.tokens < n) {
        r.hasDate = true;
        r.date = glued;
        r.dateText = body.left(t[glued.tokens - 1].end).toString();
        i = glued.tokens;
    }
    if (i < n && isTimeShape(t[i].text)) {
        const QStringView tt = t[i].text;
        const qsizetype sep = qMax(tt.indexOf(QLatin1Char('.')), tt.indexOf(QLatin1Char(':')));
        r.time = QTime(tt.left(sep).toInt(), tt.mid(sep + 1).toInt());
        if (!r.time.isValid())
            return fault(Problem::BadTime, tt);
        ++i;
        if (i < n && isZone(t[i].text)) {
            r.zone = t[i].text.toString();
            ++i;
        }
    }
    qsizetype versus = -1, score = -1;
    for (qsizetype k = i; k < n; ++k) {
        if (versus < 0 && score < 0 && isVersus(t[k].text))
            versus = k;
        if (score < 0 && isScoreToken(t[k].text))
            score = k;
        if (score >= 0)
            break;
    }
    if (versus < 0 && score < 0)
        return r; // NotMatch
    if (versus >= 0) {
        r.team1 = between(body, t, i, versus);
        const qsizetype end = score >= 0 ? score : n;
        r.team2 = between(body, t, versus + 1, end);
        if (r.team1.isEmpty() || r.team2.isEmpty())
            return fault(Problem::MissingTeam, s);
        if (score >= 0) {
            const ScoreParse sp = parseScore(body, t[score].start);
            qsizetype end = sp.end;
            if (!sp.ok || !noteAt(body, sp.end, &r.note, &end) || !trimBlanks(body.mid(end)).isEmpty())
                return fault(Problem::BadScore, body.mid(t[score].start));
            r.ft = sp.ft;
            r.ht = sp.ht;
            r.et = sp.et;
            r.pen = sp.pen;
        }
    } else {
        r.team1 = between(body, t, i, score);
        if (r.team1.isEmpty())
            return fault(Problem::MissingTeam, s);
        const ScoreParse sp = parseScore(body, t[score].start);
        qsizetype end = sp.end;
        if (!sp.ok || !noteAt(body, sp.end, &r.note, &end))
            return fault(Problem::BadScore, body.mid(t[score].start));
        r.ft = sp.ft;
        r.ht = sp.ht;
        r.et = sp.et;
        r.pen = sp.pen;
        r.team2 = trimBlanks(body.mid(end));
        if (r.team2.isEmpty())
            return fault(Problem::MissingTeam, s);
    }
    // Two blanks end a field, so they never stand inside a name; other
    // spaces are made blanks, so that a no-break space makes no new team.
    for (QString *team : {&r.team1, &r.team2}) {
        if (team->contains(QLatin1String("  ")))
            return fault(Problem::BadName, *team);
        const QString name = teamNameOf(*team);
        if (name.isEmpty())
            return fault(Problem::MissingTeam, s);
        if (!teamNameOk(name))
            return fault(Problem::BadName, *team);
        *team = name;
    }
    r.kind = MatchLine::Ok;
    return r;
}

bool teamNameOk(QStringView name)
{
    if (name.isEmpty() || !name[0].isLetterOrNumber() || name.endsWith(QLatin1Char(' ')))
        return false;
    // Names are read with their spaces made single blanks; one that is not
    // would read back as another name.
    if (name != teamNameOf(name))
        return false;
    // After a score a name that opens with "pen" or "aet" and a bracket
    // ("Pen(zberg)") would be read as part of the score.
    qsizetype markEnd = 0;
    if (scoreMarkAt(name, 0, &markEnd) != Mark::None)
        return false;
    for (QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QLatin1Char('#') || c == QLatin1Char('@')
            || c == QLatin1Char('|'))
            return false;
    if (name.contains(QLatin1String("  ")))
        return false;
    const QList<Token> t = tokenize(name);
    for (const Token &k : t)
        if (isVersus(k.text) || startsWithPair(k.text) || isScoreMarkWord(k.text))
            return false;
    if (isTimeShape(t[0].text) || isZone(t[0].text) || dateAt(t, 0).isDate())
        return false;
    return true;
}

bool isPlayerName(QStringView name)
{
    if (name.isEmpty())
        return true;
    if (name.startsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char(' ')) || name.contains(QLatin1String("  ")))
        return false;
    for (QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QLatin1Char('#') || c == QLatin1Char(';')
            || c == QLatin1Char(','))
            return false;
    const QList<Token> t = tokenize(name);
    GoalMinute g;
    for (const Token &k : t)
        if (k.text == QLatin1String("-") || (isAsciiDigit(k.text[0]) && minuteAt(k.text, 0, &g) > 0))
            return false;
    return true;
}

bool startsWithGoalMark(QStringView name)
{
    GoalMinute g;
    return goalMarkAt(name, 0, &g) >= 0;
}

GoalsParse parseGoals(QStringView text, const Score &result)
{
    GoalsParse out;
    const QList<QStringView> parts = text.split(QLatin1Char(';'));
    if (parts.size() > 2) {
        out.fault = Issue{0, Problem::GoalsSides, shortened(text.toString())};
        return out;
    }
    if (parts.size() == 2) {
        scanPart(parts[0], Side::Team1, out);
        scanPart(parts[1], Side::Team2, out);
    } else {
        const Side side = soleScorer(result);
        scanPart(parts[0], side, out);
        if (side == Side::None && !out.goals.isEmpty())
            out.warnings.append(Issue{0, Problem::GoalsNoSide, shortened(trimBlanks(text))});
    }
    out.ok = true;
    return out;
}

bool parsePlayerLine(QStringView s, int *number, QString *position, QString *name)
{
    *number = 0;
    position->clear();
    QString rest = s.toString();
    if (rest.startsWith(QLatin1Char('('))) {
        const qsizetype close = rest.indexOf(QLatin1Char(')'));
        if (close < 2 || !digits(QStringView(rest).mid(1, close - 1), 1, 3, number) || *number < 1)
            return false;
        rest = trimBlanks(QStringView(rest).mid(close + 1));
    }
    const QStringList fields = splitFields(rest);
    if (fields.size() == 2 && isPositionField(fields[0])) {
        *position = fields[0];
        *name = fields[1];
    } else if (fields.size() == 1) {
        *name = fields[0];
        // "(1) GK Taffarel": written with single blanks, one of the four
        // positions still is the position, not the first word of the name.
        static const char *const positions[] = {"GK", "DF", "MF", "FW"};
        for (const char *p : positions)
            if (name->startsWith(QLatin1String(p) + QLatin1Char(' ')) && name->size() > 3) {
                *position = QLatin1String(p);
                *name = trimBlanks(QStringView(*name).mid(3));
                break;
            }
    } else {
        return false;
    }
    return !name->isEmpty() && name->at(0).isLetterOrNumber();
}

} // namespace FootballTxt::Line
