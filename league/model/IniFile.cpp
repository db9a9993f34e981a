#include "league/model/IniFile.h"

#include "common/AtomicFile.h"
#include "common/Cp1252.h"
#include "league/model/LeagueError.h"
#include "league/model/ReadFaults.h"

#include <QFile>
#include <QFileInfo>

namespace {

// "[name]" with optional blanks around; returns false for other lines.
bool sectionHeader(const QString &line, QString *name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return false;
    *name = t.mid(1, close - 1).trimmed();
    return true;
}

bool parseDecimal(QStringView text, int *out)
{
    if (text.isEmpty())
        return false;
    qsizetype i = 0;
    bool negative = false;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        negative = text[0] == QLatin1Char('-');
        i = 1;
    }
    if (i == text.size())
        return false;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        value = value * 10 + (c - u'0');
        if (value > 2147483648LL)
            return false;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL || value < -2147483648LL)
        return false;
    *out = static_cast<int>(value);
    return true;
}

// Up to eight hexadecimal digits; values above 0x7FFFFFFF wrap into the
// negative range like a 32-bit register would.
bool parseHex(QStringView digits, int *out)
{
    if (digits.isEmpty())
        return false;
    qsizetype i = 0;
    while (i < digits.size() - 1 && digits[i] == QLatin1Char('0'))
        ++i; // leading zeros do not count against the eight digits
    if (digits.size() - i > 8)
        return false;
    quint32 value = 0;
    for (qsizetype k = 0; k < digits.size(); ++k) {
        const char16_t c = digits[k].unicode();
        int d;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        else
            return false;
        value = (value << 4) | quint32(d);
    }
    *out = static_cast<int>(value);
    return true;
}

} // namespace

IniFile::IniFile(const QString &path)
    : m_path(path)
{
    const BoundedFile::Result r = BoundedFile::read(path, kMaxFileBytes);
    m_status = r.status;
    if (r.ok()) {
        fromBytes(r.bytes);
        m_loaded = true;
    }
}

QString IniFile::refusalMessage() const
{
    if (!wasRefused())
        return QString();
    BoundedFile::Result r;
    r.status = m_status;
    return LeagueError::cannotOpen(m_path, ReadFaults::reason(r, kMaxFileBytes));
}

bool IniFile::splitEntry(const QString &line, QString *key, QString *value)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    const QString k = line.left(eq).trimmed();
    if (k.isEmpty())
        return false;
    if (key)
        *key = k;
    if (value)
        *value = line.mid(eq + 1);
    return true;
}

bool IniFile::Name::equal(const Name &a, const Name &b) noexcept
{
    return a.text.compare(b.text, Qt::CaseInsensitive) == 0;
}

// Hashes the case-folded code points, the same folding the comparison
// above uses, so names equal ignoring case always hash alike.
size_t IniFile::Name::hash(const Name &n, size_t seed) noexcept
{
    size_t h = seed ^ size_t(n.text.size());
    const QChar *p = n.text.constData();
    const QChar *end = p + n.text.size();
    while (p != end) {
        char32_t c = p->unicode();
        ++p;
        if (QChar::isHighSurrogate(c) && p != end && p->isLowSurrogate()) {
            c = QChar::surrogateToUcs4(char16_t(c), p->unicode());
            ++p;
        }
        h = h * 31 + QChar::toCaseFolded(c);
    }
    return h;
}

void IniFile::Section::addLine(const QString &line)
{
    insertLine(lines.size(), line);
}

// Callers insert only behind every entry line of the section, so the
// indexed lines keep their places.
void IniFile::Section::insertLine(qsizetype at, const QString &line)
{
    QString key;
    if (splitEntry(line, &key, nullptr)) {
        const Name k{key};
        if (!keyLines.contains(k)) // the first line of a key wins
            keyLines.insert(k, at);
    }
    lines.insert(at, line);
}

void IniFile::Section::reindex()
{
    keyLines.clear();
    QString key;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (splitEntry(lines[i], &key, nullptr) && !keyLines.contains(Name{key}))
            keyLines.insert(Name{key}, i);
}

void IniFile::reindexSections()
{
    m_sectionIndex.clear();
    for (std::size_t i = 0; i < m_sections.size(); ++i)
        if (m_sections[i].hasHeader && !m_sectionIndex.contains(Name{m_sections[i].name}))
            m_sectionIndex.insert(Name{m_sections[i].name}, i);
}

void IniFile::removeSection(const QString &section)
{
    if (!findSection(section))
        return;
    const Name name{section};
    std::erase_if(m_sections, [&](const Section &s) { return s.hasHeader && Name{s.name} == name; });
    reindexSections();
}

void IniFile::removeKey(const QString &section, const QString &key)
{
    Section *s = findSection(section);
    if (!s || findKey(*s, key) < 0)
        return;
    const Name name{key};
    QString k;
    s->lines.removeIf([&](const QString &line) { return splitEntry(line, &k, nullptr) && Name{k} == name; });
    s->reindex();
}

const IniFile::Section *IniFile::findSection(const QString &name) const
{
    const auto it = m_sectionIndex.constFind(Name{name});
    return it == m_sectionIndex.cend() ? nullptr : &m_sections[*it];
}

IniFile::Section *IniFile::findSection(const QString &name)
{
    return const_cast<Section *>(std::as_const(*this).findSection(name));
}

int IniFile::findKey(const Section &s, const QString &key)
{
    const auto it = s.keyLines.constFind(Name{key});
    return it == s.keyLines.cend() ? -1 : static_cast<int>(*it);
}

std::optional<QString> IniFile::rawValue(const QString &section, const QString &key) const
{
    const Section *s = findSection(section);
    if (!s)
        return std::nullopt;
    const int i = findKey(*s, key);
    if (i < 0)
        return std::nullopt;
    const QString &line = s->lines[i];
    return line.mid(line.indexOf(QLatin1Char('=')) + 1).left(kMaxValueLength);
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    const std::optional<QString> raw = rawValue(section, key);
    if (!raw)
        return def;
    // Blanks around a value carry no meaning in a hand-edited file.
    const QString text = raw->trimmed();
    int value = 0;
    if (text.size() > 2 && (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X"))))
        return parseHex(QStringView(text).mid(2), &value) ? value : def;
    return parseDecimal(text, &value) ? value : def;
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    return rawValue(section, key).value_or(def);
}

bool IniFile::hasSection(const QString &section) const
{
    return findSection(section) != nullptr;
}

bool IniFile::hasKey(const QString &section, const QString &key) const
{
    const Section *s = findSection(section);
    return s && findKey(*s, key) >= 0;
}

QStringList IniFile::sections() const
{
    QStringList out;
    for (const Section &s : m_sections)
        if (s.hasHeader)
            out << s.name;
    return out;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList out;
    const Section *s = findSection(section);
    if (!s)
        return out;
    QString k;
    for (const QString &line : s->lines)
        if (splitEntry(line, &k, nullptr))
            out << k;
    return out;
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));

    Section *s = findSection(section);
    if (!s) {
        m_sectionIndex.insert(Name{section}, m_sections.size());
        m_sections.push_back(Section{section, true, QLatin1Char('[') + section + QLatin1Char(']'), {}, {}});
        s = &m_sections.back();
    }
    const int i = findKey(*s, key);
    if (i >= 0) {
        QString existing;
        splitEntry(s->lines[i], &existing, nullptr);
        s->lines[i] = existing + QLatin1Char('=') + v;
        return;
    }
    // After the last entry, ahead of any blank lines that separate this
    // section from the next one. Only blank lines follow that place, so no
    // indexed key line moves.
    qsizetype at = s->lines.size();
    while (at > 0 && s->lines[at - 1].trimmed().isEmpty())
        --at;
    s->insertLine(at, key + QLatin1Char('=') + v);
}

QByteArray IniFile::toBytes() const
{
    qsizetype size = 0;
    for (const Section &s : m_sections) {
        size += s.header.size() + 2;
        for (const QString &line : s.lines)
            size += line.size() + 2;
    }
    QString text;
    text.reserve(size);
    const QLatin1String crlf("\r\n");
    for (const Section &s : m_sections) {
        if (s.hasHeader) {
            text += s.header;
            text += crlf;
        }
        for (const QString &line : s.lines) {
            text += line;
            text += crlf;
        }
    }
    return Cp1252::encode(text);
}

void IniFile::fromBytes(const QByteArray &bytes)
{
    m_sections.clear();
    m_sectionIndex.clear();
    QStringList lines = Cp1252::decode(bytes).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the break after the last line starts no new line
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        QString name;
        if (sectionHeader(line, &name)) {
            const Name k{name};
            if (!m_sectionIndex.contains(k)) // the first section of a name wins
                m_sectionIndex.insert(k, m_sections.size());
            m_sections.push_back(Section{name, true, line, {}, {}});
            continue;
        }
        if (m_sections.empty())
            m_sections.push_back(Section{QString(), false, QString(), {}, {}});
        m_sections.back().addLine(line);
    }
}

bool IniFile::save(QString *error) const
{
    auto fail = [&] {
        if (error)
            *error = LeagueError::cannotWrite(m_path);
        return false;
    };
    if (m_path.isEmpty() || wasRefused())
        return fail();
    // Replacing a write-protected file by renaming would succeed on this
    // system, but the user protected it on purpose.
    const QFileInfo info(m_path);
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        return fail();

    if (!AtomicFile::write(m_path, toBytes()).ok())
        return fail();
    return true;
}
