#include "tournament/model/ShortName.h"

#include "tournament/model/Ansi.h"

ShortName ShortName::fromText(const QString &text)
{
    return ShortName(Ansi::encode(text));
}

ShortName ShortName::stored(const QString &text)
{
    return stored(Ansi::encode(text));
}

ShortName ShortName::stored(const QByteArray &bytes)
{
    return ShortName(bytes.left(MaxLength));
}

QString ShortName::text() const
{
    return Ansi::decode(m_bytes);
}
