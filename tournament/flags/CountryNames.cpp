#include "tournament/flags/CountryNames.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStringList>

namespace {

// The names football gives its teams where they differ from the country
// list, and the home nations, which play as countries of their own. They
// overrule the list: "Congo DR" is not the Republic of the Congo.
//
// Countries that no longer exist (Yugoslavia, Czechoslovakia, the Soviet
// Union, East Germany, Zaire, Serbia and Montenegro) are left out on
// purpose: their successors fly other flags, and a plain picture is more
// honest than a wrong flag. West Germany flew the flag Germany flies today.
struct FootballName
{
    const char16_t *name;
    const char *code;
};

constexpr FootballName kFootballNames[] = {
    {u"England", "gb-eng"},
    {u"Scotland", "gb-sct"},
    {u"Wales", "gb-wls"},
    {u"Northern Ireland", "gb-nir"},
    {u"Great Britain", "gb"},
    {u"Republic of Ireland", "ie"},
    {u"Eire", "ie"},
    {u"USA", "us"},
    {u"United States of America", "us"},
    {u"South Korea", "kr"},
    {u"Korea Republic", "kr"},
    {u"Korea Rep", "kr"},
    {u"North Korea", "kp"},
    {u"Korea DPR", "kp"},
    {u"DPR Korea", "kp"},
    {u"Iran", "ir"},
    {u"IR Iran", "ir"},
    {u"Ivory Coast", "ci"},
    {u"Czech Republic", "cz"},
    {u"Russia", "ru"},
    {u"Turkey", "tr"},
    {u"Bosnia-Herzegovina", "ba"},
    {u"Bosnia", "ba"},
    {u"Holland", "nl"},
    {u"China PR", "cn"},
    {u"PR China", "cn"},
    {u"Chinese Taipei", "tw"},
    {u"Macau", "mo"},
    {u"Cape Verde", "cv"},
    {u"Cape Verde Islands", "cv"},
    {u"Macedonia", "mk"},
    {u"FYR Macedonia", "mk"},
    {u"Swaziland", "sz"},
    {u"Burma", "mm"},
    {u"East Timor", "tl"},
    {u"Brunei", "bn"},
    {u"DR Congo", "cd"},
    {u"Congo DR", "cd"},
    {u"UAE", "ae"},
    {u"Vatican", "va"},
    {u"Vatican City", "va"},
    {u"Palestine", "ps"},
    {u"Kosovo", "xk"},
    {u"West Germany", "de"},
};

// Letters that Unicode does not take apart into a base letter and an accent.
QString foldLetter(QChar c)
{
    switch (c.unicode()) {
    case u'ø': return QStringLiteral("o");
    case u'æ': return QStringLiteral("ae");
    case u'œ': return QStringLiteral("oe");
    case u'ß': return QStringLiteral("ss");
    case u'đ':
    case u'ð': return QStringLiteral("d");
    case u'ł': return QStringLiteral("l");
    case u'ı': return QStringLiteral("i");
    case u'þ': return QStringLiteral("th");
    default: return QString(c);
    }
}

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == u'\u2019' || c == u'\u2018' || c == u'`' || c == u'\u02bc' || c == u'\u00b4';
}

QByteArray builtInJson()
{
    QFile f(QStringLiteral(":/flags/iso_3166-1.json"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

const CountryNames &CountryNames::builtIn()
{
    static const CountryNames names(builtInJson());
    return names;
}

CountryNames::CountryNames(const QByteArray &isoJson)
{
    for (const FootballName &f : kFootballNames)
        add(QString::fromUtf16(f.name), QString::fromLatin1(f.code), 0);

    const QJsonArray countries = QJsonDocument::fromJson(isoJson).object().value(QLatin1String("3166-1")).toArray();
    for (const QJsonValue &v : countries) {
        const QJsonObject c = v.toObject();
        const QString code = c.value(QLatin1String("alpha_2")).toString().toLower();
        if (code.size() != 2)
            continue;
        for (const char *field : {"name", "common_name", "official_name"}) {
            const QString name = c.value(QLatin1String(field)).toString();
            if (name.isEmpty())
                continue;
            add(name, code, 1);
            // "Korea, Republic of" is said "Republic of Korea", and the part
            // before the comma is what most people call it, unless another
            // country's name says the same ("Korea", "Virgin Islands").
            const qsizetype comma = name.indexOf(QLatin1String(", "));
            if (comma > 0) {
                add(name.mid(comma + 2) + QLatin1Char(' ') + name.left(comma), code, 2);
                add(name.left(comma), code, 2);
            }
            // "Holy See (Vatican City State)", "Falkland Islands (Malvinas)".
            const qsizetype open = name.indexOf(QLatin1String(" ("));
            if (open > 0 && name.endsWith(QLatin1Char(')')))
                add(name.left(open), code, 2);
        }
    }
}

void CountryNames::add(const QString &name, const QString &code, int rank)
{
    const QString k = key(name);
    if (k.isEmpty())
        return;
    auto it = m_codes.find(k);
    if (it == m_codes.end() || it->rank > rank)
        m_codes.insert(k, {code, rank});
    else if (it->rank == rank && it->code != code)
        it->code.clear();
}

QString CountryNames::key(const QString &name)
{
    const QString decomposed = name.normalized(QString::NormalizationForm_KD);
    QString flat;
    flat.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category cat = c.category();
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining || cat == QChar::Mark_Enclosing
            || isApostrophe(c))
            continue;
        if (c == u'&')
            flat += QLatin1String(" and ");
        else if (c.isLetterOrNumber())
            flat += foldLetter(c.toLower());
        else
            flat += QLatin1Char(' ');
    }
    QStringList words = flat.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!words.isEmpty() && words.first() == QLatin1String("the"))
        words.removeFirst();
    if (!words.isEmpty() && words.first() == QLatin1String("st"))
        words.first() = QStringLiteral("saint");
    return words.join(QLatin1Char(' '));
}

QString CountryNames::code(const QString &teamName) const
{
    const QString k = key(teamName);
    if (k.isEmpty())
        return {};
    const auto it = m_codes.constFind(k);
    if (it != m_codes.constEnd())
        return it->code;
    // The tournament files keep 20 bytes of a name, one byte a character:
    // "Bosnia and Herzegovi" still names one country.
    if (teamName.size() != 20)
        return {};
    QSet<QString> found;
    for (auto i = m_codes.constBegin(); i != m_codes.constEnd(); ++i)
        if (!i->code.isEmpty() && i.key().startsWith(k))
            found.insert(i->code);
    return found.size() == 1 ? *found.constBegin() : QString();
}
