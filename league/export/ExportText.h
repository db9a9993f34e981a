#pragma once

#include <QByteArray>
#include <QString>

// Line-by-line composition of an exported document. Lines end in CR LF and
// the whole text is stored as Windows-1252 bytes.
class ExportText {
public:
    void line(const QString &text = QString()) { m_text += text + QStringLiteral("\r\n"); }
    void line(int indent, const QString &text) { line(QString(indent, QLatin1Char(' ')) + text); }
    void raw(const QString &text) { m_text += text; }
    QByteArray bytes() const;

private:
    QString m_text;
};

class League;

namespace ExportHelpers {
// A matchday appears in the matchday documents when any of its rows has a
// team or a goal value entered.
bool roundUsed(const League &league, int round);
// The name of a slot, empty for "no team" and for values outside 1..18.
QString teamName(const League &league, int slot);
} // namespace ExportHelpers
