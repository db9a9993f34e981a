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
        if (goalsDepth == 0 && lineup.match(t).hasMatch() && !trimmed.startsWith(QLatin1Char('('))) {
            inLineup = true;
            return blanks(t);
        }
        const QRegularExpressionMatch n = number.match(t);
        if (n.hasMatch())
            t.replace(n.capturedStart(2), n.capturedLength(2), blanks(n.captured(2)));

        const QRegularExpressionMatch v = venueFirst.match(t);
        if (v.hasMatch() && !t.contains(QLatin1Char('#')))
            t = v.captured(1) + v.captured(2) + v.captured(3) + QLatin1String("  ") + v.captured(5)
                + QLatin1String("  @ ") + v.captured(4);

        const QRegularExpressionMatch a = aetNote.match(t);
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

QByteArray squad(const QByteArray &utf8)
{
    static const QRegularExpression dash(QStringLiteral("^(\\s*)-(\\s+\\S)"));
    const auto wanted = [](QByteArrayView raw) {
        return raw.contains(',') || raw.trimmed().startsWith('-');
    };
    const auto isPosition = [](QStringView p) {
        return p == u"GK" || p == u"DF" || p == u"MF" || p == u"FW";
    };
    return eachLine(utf8, wanted, [&](QString t) {
        // "1, Matt TURNER, GK, b. 1994/06/24": number, name, position and
        // more, split by commas (a squad line's comment after "#" stays out).
        // Views keep the many squad lines from allocating a string per field.
        const qsizetype hash = t.indexOf(QLatin1Char('#'));
        const QList<QStringView> f = QStringView(t).left(hash < 0 ? t.size() : hash).split(u',');
        if (f.size() >= 3) {
            const QStringView number = f[0].trimmed();
            const QStringView name = f[1].trimmed();
            QStringView position = f[2].trimmed();
            if (const qsizetype blank = position.indexOf(u' '); blank >= 0)
                position = position.left(blank);
            bool digits = !number.isEmpty() && number.size() <= 3;
            for (QChar c : number)
                digits = digits && c.unicode() >= '0' && c.unicode() <= '9';
            bool letters = !position.isEmpty() && position.size() <= 3;
            for (QChar c : position)
                letters = letters && c.unicode() >= 'A' && c.unicode() <= 'Z';
            if ((digits || number == u"-") && !name.isEmpty() && letters) {
                // A coach or manager ("-, Mauricio POCHETTINO (ARG), MG, ...") is no player.
                if (!isPosition(position))
                    return blanks(t);
                if (digits) {
                    // The surname in capitals is written as a name is elsewhere ("Turner").
                    // Words are separated by single blanks, as elsewhere.
                    QString words;
                    words.reserve(name.size());
                    for (qsizetype i = 0; i < name.size();) {
                        if (name[i] == u' ') {
                            ++i;
                            continue;
                        }
                        qsizetype end = name.indexOf(u' ', i);
                        if (end < 0)
                            end = name.size();
                        const QStringView w = name.sliced(i, end - i);
                        int count = 0;
                        bool upper = true;
                        for (QChar ch : w)
                            if (ch.isLetter()) {
                                ++count;
                                upper = upper && ch.isUpper();
                            }
                        if (!words.isEmpty())
                            words += u' ';
                        if (count >= 2 && upper) {
                            words += w.first(1);
                            words += w.sliced(1).toString().toLower();
                        } else {
                            words += w;
                        }
                        i = end;
                    }
                    QString out(number.data() - t.constData(), QLatin1Char(' '));
                    out += u'(';
                    out += number;
                    out += QLatin1String(")  ");
                    out += position;
                    out += QLatin1String("  ");
                    out += words;
                    if (hash >= 0) {
                        out += QLatin1String("  ");
                        out += QStringView(t).sliced(hash);
                    }
                    return out;
                }
            }
        }
        const QRegularExpressionMatch m = dash.match(t);
        if (m.hasMatch())
            t[m.capturedEnd(1)] = QLatin1Char(' ');
        return t;
    });
}

} // namespace OlderForms
