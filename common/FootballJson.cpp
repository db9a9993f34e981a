#include "common/FootballJson.h"

#include "common/FootballTxtLine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

namespace FootballJson {

using namespace FootballTxt;

namespace {

int lineAt(const QByteArray &bytes, qsizetype offset)
{
    offset = qBound<qsizetype>(0, offset, bytes.size());
    return int(QByteArrayView(bytes).first(offset).count('\n')) + 1;
}

// The line of each object in the top-level "matches" array. QJsonDocument
// keeps no positions, so the text is walked once more; it is valid JSON by
// then, so strings, escapes and nesting are all that matter.
QList<int> matchLines(const QByteArray &b)
{
    QList<int> lines;
    QByteArray stack;
    bool inString = false, escape = false;
    qsizetype stringStart = 0;
    QByteArrayView lastString;
    QByteArrayView key;
    bool inMatches = false;
    int line = 1;
    for (qsizetype i = 0; i < b.size(); ++i) {
        const char c = b[i];
        if (c == '\n')
            ++line;
        if (inString) {
            if (escape)
                escape = false;
            else if (c == '\\')
                escape = true;
            else if (c == '"') {
                inString = false;
                lastString = QByteArrayView(b).sliced(stringStart, i - stringStart);
            }
            continue;
        }
        switch (c) {
        case '"':
            inString = true;
            stringStart = i + 1;
            break;
        case ':':
            if (stack.size() == 1)
                key = lastString;
            break;
        case '[':
            if (stack.size() == 1)
                inMatches = key == "matches";
            stack += c;
            break;
        case '{':
            if (stack.size() == 2 && stack[0] == '{' && stack[1] == '[' && inMatches)
                lines << line;
            stack += c;
            break;
        case ']':
        case '}':
            if (!stack.isEmpty())
                stack.chop(1);
            break;
        default:
            break;
        }
    }
    return lines;
}

struct Failure {
    Issue issue;
};

[[noreturn]] void failField(int line, const QString &field)
{
    throw Failure{Issue{line, Problem::JsonField, field}};
}

// No control characters and no half of a surrogate pair, which no text
// file could hold.
bool plainText(const QString &s)
{
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
        if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    return true;
}

QString textField(const QJsonObject &o, const char *key, int line, bool required)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull()) {
        if (required)
            failField(line, QLatin1String(key));
        return QString();
    }
    QString s;
    if (v.isString())
        s = v.toString();
    else if (v.isObject() && v.toObject().value(QLatin1String("name")).isString())
        s = v.toObject().value(QLatin1String("name")).toString();
    else
        failField(line, QLatin1String(key));
    if (!plainText(s) || s.size() > kMaxLineLength || (required && s.isEmpty()))
        failField(line, QLatin1String(key));
    return s;
}

// Names that differ only in their spaces are one team, and a name of
// spaces alone is none.
QString teamField(const QJsonObject &o, const char *key, int line)
{
    const QString name = Line::teamNameOf(textField(o, key, line, true));
    if (name.isEmpty())
        failField(line, QLatin1String(key));
    return name;
}

bool isCount(const QJsonValue &v, int max, int *out)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (d < 0 || d > max || d != double(int(d)))
        return false;
    *out = int(d);
    return true;
}

Score pairField(const QJsonObject &score, const char *key, int line)
{
    const QJsonValue v = score.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull())
        return Score{};
    const QJsonArray a = v.toArray();
    Score s;
    if (!v.isArray() || a.size() != 2 || !isCount(a[0], kMaxGoals, &s.a) || !isCount(a[1], kMaxGoals, &s.b))
        failField(line, QStringLiteral("score.%1").arg(QLatin1String(key)));
    return s;
}

void goalsField(const QJsonObject &o, const char *key, Side side, int line, QList<Goal> &out)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull())
        return;
    if (!v.isArray())
        failField(line, QLatin1String(key));
    bool first = true;
    for (const QJsonValue &e : v.toArray()) {
        if (!e.isObject())
            failField(line, QLatin1String(key));
        const QJsonObject g = e.toObject();
        const QString name = textField(g, "name", line, false);
        GoalMinute m;
        if (!isCount(g.value(QLatin1String("minute")), 999, &m.minute))
            failField(line, QStringLiteral("%1.minute").arg(QLatin1String(key)));
        const QJsonValue offset = g.value(QLatin1String("offset"));
        if (!offset.isUndefined() && !offset.isNull() && !isCount(offset, 99, &m.offset))
            failField(line, QStringLiteral("%1.offset").arg(QLatin1String(key)));
        m.penalty = g.value(QLatin1String("penalty")).toBool();
        m.ownGoal = g.value(QLatin1String("owngoal")).toBool();
        // One entry per goal; a player's goals in a row make one scorer.
        if (!first && out.last().player == name && out.last().side == side) {
            out.last().minutes.append(m);
        } else {
            Goal goal;
            goal.player = name;
            goal.side = side;
            goal.line = line;
            goal.minutes.append(m);
            out.append(goal);
        }
        first = false;
    }
}

Match readMatch(const QJsonObject &o, int line)
{
    Match m;
    m.line = line;
    const QString date = textField(o, "date", line, false);
    if (!date.isEmpty()) {
        m.date = QDate::fromString(date, QStringLiteral("yyyy-MM-dd"));
        if (!m.date.isValid() || m.date.year() < kMinYear || m.date.year() > kMaxYear)
            failField(line, QStringLiteral("date"));
    }
    const QString time = textField(o, "time", line, false);
    if (!time.isEmpty()) {
        const qsizetype blank = time.indexOf(QLatin1Char(' '));
        const QString clock = blank < 0 ? time : time.left(blank);
        m.time = QTime::fromString(clock, QStringLiteral("HH:mm"));
        if (clock.size() != 5 || !m.time.isValid())
            failField(line, QStringLiteral("time"));
        if (blank >= 0) {
            m.timeZone = time.mid(blank + 1);
            if (!Line::isZone(m.timeZone))
                failField(line, QStringLiteral("time"));
        }
    }
    m.team1 = teamField(o, "team1", line);
    m.team2 = teamField(o, "team2", line);
    const QJsonValue score = o.value(QLatin1String("score"));
    if (score.isObject()) {
        const QJsonObject s = score.toObject();
        m.ht = pairField(s, "ht", line);
        m.ft = pairField(s, "ft", line);
        m.et = pairField(s, "et", line);
        m.pen = pairField(s, "p", line);
    } else if (!score.isUndefined() && !score.isNull()) {
        failField(line, QStringLiteral("score"));
    }
    m.venue = textField(o, "ground", line, false);
    goalsField(o, "goals1", Side::Team1, line, m.goals);
    goalsField(o, "goals2", Side::Team2, line, m.goals);
    return m;
}

QByteArray quoted(const QString &s)
{
    QString out = QStringLiteral("\"");
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u == '"')
            out += QLatin1String("\\\"");
        else if (u == '\\')
            out += QLatin1String("\\\\");
        else if (u < 0x20 || u == 0x7f || u == 0xfeff)
            // The parser takes a literal U+FEFF at a string's start for a
            // byte order mark and drops it; escaped, it stays.
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    out += QLatin1Char('"');
    return out.toUtf8();
}

QByteArray pairText(const Score &s)
{
    return "[" + QByteArray::number(s.a) + ", " + QByteArray::number(s.b) + "]";
}

} // namespace

ReadResult read(const QByteArray &json)
{
    ReadResult result;
    result.document.stages.append(Stage{});
    if (json.size() > kMaxBytes) {
        result.error = Issue{0, Problem::TooLarge, QString()};
        return result;
    }
    // Every byte order mark at the start is the file's (an editor may add
    // a second one); the parser would take only one.
    QByteArray bytes = json;
    while (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        result.error = Issue{lineAt(bytes, error.offset), Problem::JsonSyntax, error.errorString()};
        return result;
    }
    try {
        if (!doc.isObject())
            failField(1, QStringLiteral("matches"));
        const QJsonObject root = doc.object();
        result.document.title = textField(root, "name", 1, false);
        result.document.titleLine = result.document.title.isEmpty() ? 0 : 1;
        const QJsonValue matches = root.value(QLatin1String("matches"));
        if (!matches.isArray())
            failField(1, QStringLiteral("matches"));
        const QJsonArray list = matches.toArray();
        QList<int> lines = matchLines(bytes);
        if (lines.size() != list.size())
            lines = QList<int>(list.size(), 0);
        Stage &stage = result.document.stages.first();
        QString round;
        for (qsizetype i = 0; i < list.size(); ++i) {
            const int line = lines[i];
            if (!list[i].isObject())
                failField(line, QStringLiteral("matches"));
            const QJsonObject o = list[i].toObject();
            const QString heading = textField(o, "round", line, false);
            const Match m = readMatch(o, line);
            if (stage.rounds.isEmpty() || heading != round) {
                Round r;
                r.heading = heading;
                r.number = Line::firstNumber(heading);
                r.line = line;
                stage.rounds.append(r);
                round = heading;
            }
            stage.rounds.last().matches.append(m);
        }
    } catch (const Failure &f) {
        result.error = f.issue;
        return result;
    }
    result.ok = true;
    return result;
}

QByteArray write(const Document &doc)
{
    QByteArray out = "{\n  \"name\": " + quoted(doc.title) + ",\n  \"matches\": [";
    bool firstMatch = true;
    for (const Stage &stage : doc.stages) {
        for (const Round &round : stage.rounds) {
            for (const Match &m : round.matches) {
                out += firstMatch ? "\n" : ",\n";
                firstMatch = false;
                QList<QByteArray> fields;
                if (!round.heading.isEmpty())
                    fields << "\"round\": " + quoted(round.heading);
                if (m.date.isValid())
                    fields << "\"date\": " + quoted(m.date.toString(QStringLiteral("yyyy-MM-dd")));
                if (m.time.isValid()) {
                    QString t = m.time.toString(QStringLiteral("HH:mm"));
                    if (!m.timeZone.isEmpty())
                        t += QLatin1Char(' ') + m.timeZone;
                    fields << "\"time\": " + quoted(t);
                }
                fields << "\"team1\": " + quoted(m.team1);
                fields << "\"team2\": " + quoted(m.team2);
                QList<QByteArray> score;
                if (m.ht.isSet())
                    score << "\"ht\": " + pairText(m.ht);
                if (m.ft.isSet())
                    score << "\"ft\": " + pairText(m.ft);
                if (m.et.isSet())
                    score << "\"et\": " + pairText(m.et);
                if (m.pen.isSet())
                    score << "\"p\": " + pairText(m.pen);
                if (!score.isEmpty())
                    fields << "\"score\": {" + score.join(", ") + "}";
                if (!m.venue.isEmpty())
                    fields << "\"ground\": " + quoted(m.venue);
                for (Side side : {Side::Team1, Side::Team2}) {
                    QList<QByteArray> goals;
                    for (const Goal &g : m.goals) {
                        if (g.side != side)
                            continue;
                        for (const GoalMinute &gm : g.minutes) {
                            QByteArray e = "{\"name\": " + quoted(g.player) + ", \"minute\": "
                                + QByteArray::number(gm.minute);
                            if (gm.offset > 0)
                                e += ", \"offset\": " + QByteArray::number(gm.offset);
                            if (gm.penalty)
                                e += ", \"penalty\": true";
                            if (gm.ownGoal)
                                e += ", \"owngoal\": true";
                            goals << e + "}";
                        }
                    }
                    if (!goals.isEmpty())
                        fields << QByteArray(side == Side::Team1 ? "\"goals1\"" : "\"goals2\"") + ": ["
                                + goals.join(", ") + "]";
                }
                out += "    {\n      " + fields.join(",\n      ") + "\n    }";
            }
        }
    }
    out += firstMatch ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

} // namespace FootballJson
