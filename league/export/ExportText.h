#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <initializer_list>

#include "common/Cp1252.h"

// Line-by-line composition of an exported document. Lines end in CR LF and
// are stored as Windows-1252 bytes as they come, so that the largest
// document (the matchdays of 24 teams as HTML, some 200 KB) is neither held
// twice nor copied while it grows.
class ExportText {
public:
    ExportText() { m_bytes.reserve(256 * 1024); }
    void line(QStringView text = {})
    {
        Cp1252::appendEncoded(m_bytes, text);
        m_bytes += "\r\n";
    }
    void line(int indent, QStringView text)
    {
        Q_ASSERT(indent >= 0 && indent <= 8); // the deepest HTML nesting
        m_bytes.append(indent, ' ');
        line(text);
    }
    // A line of several parts, written one after the other without first
    // joining them.
    void line(int indent, std::initializer_list<QStringView> parts)
    {
        Q_ASSERT(indent >= 0 && indent <= 8);
        m_bytes.append(indent, ' ');
        for (QStringView part : parts)
            Cp1252::appendEncoded(m_bytes, part);
        m_bytes += "\r\n";
    }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

class League;

namespace ExportHelpers {
// A matchday appears in the matchday documents when any of its rows has a
// team or a goal value entered.
bool roundUsed(const League &league, int round);
// The name of a slot, empty for "no team" and for values outside the
// league's slots 1..teamCount.
QString teamName(const League &league, int slot);
// What a matchday document says of a match's own day: "24.04.2024 20:00",
// with " (Nachholspiel)" after it when the match is played after its
// matchday; empty for a match that has neither its own date nor kick-off.
QString matchDateText(const League &league, int round, int row);
// Whether any match of the league has its own date or kick-off: only then
// do the matchday documents give them a column, so that a league without
// them is written as before.
bool anyMatchDates(const League &league);
} // namespace ExportHelpers
