#pragma once

#include <QByteArray>
#include <QString>

// A name as the tournament files hold it: at most 20 Windows-1252 bytes,
// compared byte for byte (case matters, no blanks are trimmed).
class ShortName
{
public:
    static constexpr int MaxLength = 20;

    ShortName() = default;

    // Keeps the bytes as they are, so that a lookup with a longer text finds
    // nothing instead of matching a stored name that happens to be its prefix.
    explicit ShortName(const QByteArray &bytes) : m_bytes(bytes) {}
    explicit ShortName(const char *bytes) : m_bytes(bytes) {}

    // Encodes a text without cutting it (for lookups by a text the user sees).
    static ShortName fromText(const QString &text);
    // Encodes a text and cuts it to 20 bytes, as it is when stored.
    static ShortName stored(const QString &text);
    // Cuts raw bytes to 20, as they are when stored.
    static ShortName stored(const QByteArray &bytes);

    const QByteArray &bytes() const { return m_bytes; }
    QString text() const;
    bool isEmpty() const { return m_bytes.isEmpty(); }
    int size() const { return int(m_bytes.size()); }

    friend bool operator==(const ShortName &a, const ShortName &b) { return a.m_bytes == b.m_bytes; }
    friend bool operator!=(const ShortName &a, const ShortName &b) { return !(a == b); }

private:
    QByteArray m_bytes;
};
