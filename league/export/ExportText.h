#pragma once

#include <QByteArray>
#include <QString>

// Line-by-line composition of an exported document. Lines end in CR LF and
// the whole text is stored as Windows-1252 bytes.
class ExportText {
public:
    ExportText() { m_text.reserve(64 * 1024); }
    void line(const QString &text = QString())
    {
        m_text += text;
        m_text += QLatin1String("\r\n");
    }
    void line(int indent, const QString &text)
    {
        Q_ASSERT(indent >= 0 && indent <= 8); // the deepest HTML nesting
        m_text += QLatin1String("        ", indent);
        line(text);
    }
    QByteArray bytes() const;

private:
    QString m_text;
};

class League;

namespace ExportHelpers {
// A matchday appears in the matchday documents when any of its rows has a
// team or a goal value entered.
bool roundUsed(const League &league, int round);
// The name of a slot, empty for "no team" and for values outside the
// league's slots 1..teamCount.
QString teamName(const League &league, int slot);
} // namespace ExportHelpers
