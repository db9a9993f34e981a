#include "tournament/model/NameChecks.h"

namespace NameChecks {

bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

qsizetype firstControl(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isControl(text[i]))
            return i;
    return -1;
}

bool hasControl(const QString &text)
{
    for (QChar c : text)
        if (isControl(c))
            return true;
    return false;
}

QString printable(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (isControl(c))
            c = QLatin1Char('?');
    return out;
}

bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && !hasControl(name) && !name.contains(QLatin1Char('/'))
        && !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1String(".."));
}

} // namespace NameChecks
