#include "tournament/model/ShortName.h"

#include "common/Cp1252.h"

ShortName ShortName::fromText(const QString &text)
{
    return ShortName(Cp1252::encode(text));
}

ShortName ShortName::stored(const QString &text)
{
    return stored(Cp1252::encode(text));
}

ShortName ShortName::stored(const QByteArray &bytes)
{
    return ShortName(bytes.left(MaxLength));
}

QString ShortName::text() const
{
    return Cp1252::decode(m_bytes);
}
