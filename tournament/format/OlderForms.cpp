#include "tournament/format/OlderForms.h"

#include <QList>
#include <QRegularExpression>
#include <QString>

namespace OlderForms {

namespace {

QString blanks(const QString &text)
{
    return QString(text.size(), QLatin1Char(' '));
}

// Applies f to every line that is valid UTF-8 and that may hold a form
// (wanted); the line ends stay.
template <typename W, typename F>
QByteArray eachLine(const QByteArray &utf8, W wanted, F f)
{
    // Lines that need no change are copied as they are, without a detour
    // through QString: most lines of a squad or a season hold no older form.
    QByteArray out;
    out.reserve(utf8.size() + utf8.size() / 8);
    qsizetype from = 0;
    while (from <= utf8.size()) {
        qsizetype end = utf8.indexOf('\n', from);
        const bool last = end < 0;
        if (last)
            end = utf8.size();
        const QByteArrayView raw(utf8.constData() + from, end - from);
        const bool cr = raw.endsWith('\r');
        const QByteArrayView body = cr ? raw.chopped(1) : raw;
        bool changed = false;
        if (wanted(raw) && body.isValidUtf8()) { // the reader names an invalid line's fault
            const QString text = QString::fromUtf8(body);
            const QString result = f(text);
            if (result != text) {
                out += result.toUtf8();
                if (cr)
                    out += '\r';
                changed = true;
            }
        }
        if (!changed)
            out += raw;
        if (last)
            break;
        out += '\n';
        from = end + 1;
    }
    return out;
}

} // namespace

QByteArray matches(const QByteArray &utf8)
{
    static const QRegularExpression number(QStringLiteral("^(\\s*)(\\(\\d{1,3}\\))(\\s+\\S)"));
    static const QRegularExpression lineup(QStringLiteral("^\\s+\\p{L}[\\p{L}\\p{M} .&'-]{0,40}:\\s+\\S"));
    static const QRegularExpression venueFirst(QStringLiteral(
        "^(\\s*)((?:\\p{L}+\\.? \\d{1,2}\\s+)?)(\\d{1,2}[:.]\\d\\d)\\s+@\\s+(\\S.*?)\\s{2,}(\\S.*)$"));
    static const QRegularExpression aetNote(
        QStringLiteral("\\s*\\(aet(?:/gg|/sg)?(?:,\\s*(\\d{1,2})-(\\d{1,2})\\s*pen\\.?)?\\)"));
    static const QRegularExpression firstScore(QStringLiteral("(\\s\\d{1,2}-\\d{1,2})(?=\\s)"));
    static const QRegularExpression minuteList(QStringLiteral("(\\d)(og|pen)?,(?=\\d)"));
    static const QRegularExpression bareMinute(
        QStringLiteral("(?<=[\\s,(])(\\d{1,3})(?:\\+(\\d{1,2}))?(og|pen)?(?=\\s*[,;)]|\\s+\\d|\\s*$)"));

    // Cheap looks that rule a form out keep most lines away from the
    // expressions. The lineup form's first ":" is followed by a space, a
    // time's by a digit.
    const auto mayBeLineup = [](const QString &t) {
        const qsizetype colon = t.indexOf(QLatin1Char(':'));
        return colon >= 0 && colon + 1 < t.size() && !t[colon + 1].isDigit();
    };

    bool inLineup = false;
    int goalsDepth = 0;
    // Every form has a bracket, an "@" or a ":", or continues one.
    const auto wanted = [&](QByteArrayView raw) {
        if (inLineup || goalsDepth > 0 || raw.contains('(') || raw.contains('@') || raw.contains(':'))
            return true;
        return false;
    };
    return eachLine(utf8, wanted, [&](QString t) {
        const QString trimmed = t.trimmed();
        if (inLineup) {
            if (!trimmed.isEmpty() && t.at(0).isSpace() && !trimmed.startsWith(QLatin1Char('(')))
                return blanks(t);
            inLineup = false;
        }
        if (goalsDepth == 0 && mayBeLineup(t) && lineup.match(t).hasMatch() && !trimmed.startsWith(QLatin1Char('('))) {
            inLineup = true;
            return blanks(t);
        }
        const QRegularExpressionMatch n = number.match(t);
        if (n.hasMatch())
            t.replace(n.capturedStart(2), n.capturedLength(2), blanks(n.captured(2)));

        if (t.contains(QLatin1Char('@')) && !t.contains(QLatin1Char('#'))) {
            const QRegularExpressionMatch v = venueFirst.match(t);
            if (v.hasMatch())
                t = v.captured(1) + v.captured(2) + v.captured(3) + QLatin1String("  ") + v.captured(5)
                    + QLatin1String("  @ ") + v.captured(4);
        }

        const QRegularExpressionMatch a = t.contains(QLatin1String("(aet")) ? aetNote.match(t) : QRegularExpressionMatch();
        if (a.hasMatch()) {
            QString mark = QStringLiteral(" a.e.t.");
            if (!a.captured(1).isEmpty())
                mark += QStringLiteral(", %1-%2 pen.").arg(a.captured(1), a.captured(2));
            QString rest = t;
            rest.remove(a.capturedStart(0), a.capturedLength(0));
            const QRegularExpressionMatch s = firstScore.match(rest);
            if (s.hasMatch()) {
                rest.insert(s.capturedEnd(1), mark);
                t = rest;
            }
        }

        // Goals: from a line that opens with "(" to the bracket that closes it.
        const bool goals = goalsDepth > 0 || (trimmed.startsWith(QLatin1Char('(')) && !n.hasMatch());
        if (goals) {
            if (!t.contains(QLatin1Char('\''))) {
                t.replace(minuteList, QStringLiteral("\\1\\2 "));
                QString out;
                qsizetype from = 0;
                QRegularExpressionMatchIterator it = bareMinute.globalMatch(t);
                while (it.hasNext()) {
                    const QRegularExpressionMatch m = it.next();
                    out += t.mid(from, m.capturedStart(0) - from);
                    out += m.captured(1);
                    if (!m.captured(2).isEmpty())
                        out += QLatin1Char('+') + m.captured(2);
                    out += QLatin1Char('\'');
                    if (m.captured(3) == QLatin1String("og"))
                        out += QLatin1String(" (o.g.)");
                    else if (m.captured(3) == QLatin1String("pen"))
                        out += QLatin1String(" (pen.)");
                    from = m.capturedEnd(0);
                }
                t = out + t.mid(from);
            }
            const QString code = t.left(t.indexOf(QLatin1Char('#')) < 0 ? t.size() : t.indexOf(QLatin1Char('#')));
            goalsDepth += int(code.count(QLatin1Char('('))) - int(code.count(QLatin1Char(')')));
            if (goalsDepth < 0 || goalsDepth > 8)
                goalsDepth = 0;
        }
        return t;
    });
}

namespace {

bool isPosition(QStringView p)
{
    return p == u"GK" || p == u"DF" || p == u"MF" || p == u"FW";
}

// Only lines with a comma or a leading "-" may hold an older squad form;
// the blanks are those a byte view trims.
bool mayBeOlderSquadLine(QStringView line)
{
    if (line.contains(u','))
        return true;
    for (QChar c : line) {
        const char16_t u = c.unicode();
        if (u != ' ' && u != '\t' && u != '\n' && u != '\v' && u != '\f' && u != '\r')
            return u == '-';
    }
    return false;
}

// "1, Matt TURNER, GK, b. 1994/06/24": number, name, position and more,
// split by commas (a squad line's comment after "#" stays out).
struct CommaLine
{
    enum Kind { None, Staff, Numbered };
    Kind kind = None;
    QStringView number; // up to three digits
    QStringView position;
    QStringView name;
    qsizetype hash = -1; // where the comment starts
};

CommaLine commaLine(QStringView t)
{
    // Views and a walk over the commas keep the many squad lines from
    // allocating a string per field.
    CommaLine c;
    qsizetype commas[3] = {-1, -1, -1};
    int found = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == u'#') {
            c.hash = i;
            break;
        }
        if (t[i] == u',' && found < 3)
            commas[found++] = i;
    }
    const QStringView code = c.hash < 0 ? t : t.left(c.hash);
    const qsizetype first = commas[0];
    const qsizetype second = commas[1];
    const qsizetype third = commas[2];
    if (second < 0)
        return c;
    const QStringView number = code.first(first).trimmed();
    const QStringView name = code.sliced(first + 1, second - first - 1).trimmed();
    QStringView position = (third < 0 ? code.sliced(second + 1) : code.sliced(second + 1, third - second - 1)).trimmed();
    if (const qsizetype blank = position.indexOf(u' '); blank >= 0)
        position = position.left(blank);
    bool digits = !number.isEmpty() && number.size() <= 3;
    for (QChar ch : number)
        digits = digits && ch.unicode() >= '0' && ch.unicode() <= '9';
    bool letters = !position.isEmpty() && position.size() <= 3;
    for (QChar ch : position)
        letters = letters && ch.unicode() >= 'A' && ch.unicode() <= 'Z';
    if (!(digits || number == u"-") || name.isEmpty() || !letters)
        return c;
    // A coach or manager ("-, Mauricio POCHETTINO (ARG), MG, ...") is no player.
    if (!isPosition(position)) {
        c.kind = CommaLine::Staff;
        return c;
    }
    if (digits) {
        c.kind = CommaLine::Numbered;
        c.number = number;
        c.position = position;
        c.name = name;
    }
    return c;
}

// The surname in capitals is written as a name is elsewhere ("Turner").
// Words are separated by single blanks, as elsewhere.
QString readerName(QStringView name)
{
    QString words;
    words.reserve(name.size());
    for (qsizetype i = 0; i < name.size();) {
        if (name[i] == u' ') {
            ++i;
            continue;
        }
        int count = 0;
        bool upper = true;
        bool ascii = true;
        qsizetype end = i;
        for (; end < name.size() && name[end] != u' '; ++end) {
            const QChar ch = name[end];
            ascii = ascii && ch.unicode() < 128;
            if (ch.isLetter()) {
                ++count;
                upper = upper && ch.isUpper();
            }
        }
        const QStringView w = name.sliced(i, end - i);
        if (!words.isEmpty())
            words += u' ';
        if (count >= 2 && upper) {
            if (ascii) {
                const qsizetype at = words.size() + 1;
                words += w;
                for (QChar *c = words.data() + at; c != words.data() + words.size(); ++c)
                    if (c->unicode() >= 'A' && c->unicode() <= 'Z')
                        *c = QChar(c->unicode() + ('a' - 'A'));
            } else {
                words += w.first(1);
                words += w.sliced(1).toString().toLower();
            }
        } else {
            words += w;
        }
        i = end;
    }
    return words;
}

// "      (22)  DF  Mark McKenzie": the line in the reader's form, the
// number where it stood.
QString readerLine(QStringView t, const CommaLine &c, const QString &name)
{
    QString out(c.number.data() - t.data(), QLatin1Char(' '));
    out += u'(';
    out += c.number;
    out += QLatin1String(")  ");
    out += c.position;
    out += QLatin1String("  ");
    out += name;
    if (c.hash >= 0) {
        out += QLatin1String("  ");
        out += t.sliced(c.hash);
    }
    return out;
}

// "-  GK  David Seaman": the "-" of an unknown number becomes a blank.
void blankDash(QString &t)
{
    static const QRegularExpression dash(QStringLiteral("^(\\s*)-(\\s+\\S)"));
    const QRegularExpressionMatch m = dash.match(t);
    if (m.hasMatch())
        t[m.capturedEnd(1)] = QLatin1Char(' ');
}

} // namespace

QByteArray squad(const QByteArray &utf8)
{
    const auto wanted = [](QByteArrayView raw) {
        return raw.contains(',') || raw.trimmed().startsWith('-');
    };
    return eachLine(utf8, wanted, [&](QString t) {
        const CommaLine c = commaLine(t);
        if (c.kind == CommaLine::Staff)
            return blanks(t);
        if (c.kind == CommaLine::Numbered)
            return readerLine(t, c, readerName(c.name));
        blankDash(t);
        return t;
    });
}

bool squadLine(QString &line, FootballTxt::Player *player)
{
    const CommaLine c = commaLine(line);
    if (c.kind == CommaLine::Staff) {
        line.clear();
        return false;
    }
    if (c.kind == CommaLine::Numbered) {
        QString name = readerName(c.name);
        int number = 0;
        for (QChar ch : c.number)
            number = number * 10 + (ch.unicode() - '0');
        // What the reader would refuse in the rewritten line (number 0, a
        // tab that splits the name, a name that starts with no letter or
        // digit) goes to it, so that its message names the fault.
        if (number >= 1 && !name.contains(u'\t') && name.at(0).isLetterOrNumber()) {
            static const QString positions[] = {QStringLiteral("GK"), QStringLiteral("DF"), QStringLiteral("MF"),
                                                QStringLiteral("FW")};
            player->number = number;
            for (const QString &p : positions)
                if (c.position == p)
                    player->position = p;
            player->name = std::move(name);
            return true;
        }
        line = readerLine(line, c, name);
        return false;
    }
    if (mayBeOlderSquadLine(line))
        blankDash(line);
    return false;
}

} // namespace OlderForms
