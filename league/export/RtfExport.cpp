#include "league/export/Exporters.h"
#include "league/export/ExportText.h"

#include "common/Cp1252.h"
#include "league/model/FooterTexts.h"
#include "league/model/League.h"
#include "league/standings/CrossTable.h"
#include "league/standings/RowBands.h"
#include "league/standings/Standings.h"

#include <algorithm>
#include <vector>

using namespace ExportHelpers;

namespace {

// Indices into the colour table written in the document header.
enum TextColor { Black = 1, Blue, Magenta, Green, Red };

struct Format {
    int points = 10;
    bool bold = false;
    bool underline = false;
    TextColor color = Black;
};

const Format kHeaderTitle{8, true, false, Black};
const Format kHeaderPlain{8, false, false, Black};
const Format kDocumentTitle{14, true, true, Black};
const Format kBold10{10, true, false, Black};
const Format kPlain10{10, false, false, Black};
const Format kBold9{9, true, false, Black};
const Format kPlain9{9, false, false, Black};

// Every line of a document is one paragraph with the document's tab stops;
// the first five paragraphs are centred.
class RtfDocument {
public:
    explicit RtfDocument(const std::vector<int> &tabStopsTwips)
    {
        // Every paragraph starts with the same tab stops.
        m_start = "\\pard";
        for (int tw : tabStopsTwips)
            m_start += "\\tx" + QByteArray::number(tw);
        m_out.reserve(128 * 1024);
        m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n";
        m_out += "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue255;"
                 "\\red0\\green255\\blue0;\\red255\\green0\\blue0;}\r\n";
    }

    void paragraph(const QString &text, const Format &f)
    {
        ++m_count;
        m_out += m_start;
        m_out += m_count <= 5 ? "\\qc" : "\\ql";
        m_out += "\\plain\\f0\\fs";
        m_out += QByteArray::number(2 * f.points);
        if (f.bold)
            m_out += "\\b";
        if (f.underline)
            m_out += "\\ul";
        m_out += "\\cf";
        m_out += char('0' + f.color);
        if (!text.isEmpty()) {
            m_out += ' ';
            appendEscaped(text);
        }
        m_out += "\\par\r\n";
    }

    void header(const QString &title, const League *league)
    {
        paragraph(FooterTexts::headline(league ? league->leagueName : QString()), kHeaderTitle);
        paragraph(FooterTexts::contact(), kHeaderPlain);
        paragraph(QString(), kHeaderPlain);
        paragraph(title, kDocumentTitle);
    }

    QByteArray finish()
    {
        m_out += "}\r\n";
        return m_out;
    }

private:
    // Backslash and braces are RTF syntax; bytes above 127 are written as
    // hexadecimal escapes of their Windows-1252 value.
    void appendEscaped(const QString &text)
    {
        static constexpr char kHex[] = "0123456789abcdef";
        const QByteArray bytes = Cp1252::encode(text);
        for (char ch : bytes) {
            const unsigned char c = static_cast<unsigned char>(ch);
            if (c == '\\' || c == '{' || c == '}') {
                m_out += '\\';
                m_out += ch;
            } else if (c == '\t') {
                m_out += "\\tab ";
            } else if (c > 127) {
                m_out += "\\'";
                m_out += kHex[c >> 4];
                m_out += kHex[c & 15];
            } else {
                m_out += ch;
            }
        }
    }

    QByteArray m_start;
    QByteArray m_out;
    int m_count = 0;
};

QString tabbed(std::initializer_list<QString> parts)
{
    QStringList list(parts);
    return list.join(QLatin1Char('\t'));
}

QString num(int v)
{
    return QString::number(v);
}

TextColor zoneTextColor(const QColor &band)
{
    if (band == ZoneColor::champion)
        return Blue;
    if (band == ZoneColor::championsLeague)
        return Magenta;
    if (band == ZoneColor::uefaCup)
        return Green;
    if (band == ZoneColor::relegation)
        return Red;
    return Black;
}

void tableRows(RtfDocument &doc, const Standings::Table &table, int teams, const RowBandColors *bands)
{
    for (int r = 1; r <= teams; ++r) {
        const StandingsRow &row = table[r];
        Format f = kPlain10;
        if (bands)
            f.color = zoneTextColor((*bands)[r]);
        doc.paragraph(tabbed({num(r), row.name, num(row.games), num(row.wins), num(row.draws),
                              num(row.losses), num(row.points), num(row.goalsFor), QStringLiteral(": "),
                              num(row.goalsAgainst), num(row.goalDiff)}),
                      f);
    }
}

QString columnHeader(const QString &label)
{
    return label + QStringLiteral("\tSp.\ts\tu\tn\tPkt.\t+\tT\t-\tDiff.");
}

} // namespace

QByteArray Exp_tb_RTF(const Standings &standings, const RowBandColors &rowBandColor, const League *league)
{
    RtfDocument doc({420, 4200, 4620, 5040, 5440, 6020, 6720, 7420, 7620, 8400});
    doc.header(QStringLiteral("Tabelle und Bilanzen"), league);
    doc.paragraph(QString(), kBold10);
    doc.paragraph(columnHeader(QStringLiteral("Tabelle")), kBold10);
    tableRows(doc, standings.tableTotal, standings.teamCount, &rowBandColor);
    if (league && league->hasZonesOfToday())
        doc.paragraph(QStringLiteral("Legende: ") + zoneLegend(*league), kPlain9);
    doc.paragraph(QString(), kPlain10);
    doc.paragraph(columnHeader(QStringLiteral("Heimbilanz")), kBold10);
    tableRows(doc, standings.tableHome, standings.teamCount, nullptr);
    doc.paragraph(QString(), kPlain10);
    doc.paragraph(columnHeader(QStringLiteral("Auswärtsbilanz")), kBold10);
    tableRows(doc, standings.tableAway, standings.teamCount, nullptr);
    return doc.finish();
}

QByteArray Exp_kt_RTF(const CrossGrid &grid, const League *league)
{
    RtfDocument doc({420, 4200, 5000, 5800, 6600, 7400, 8200});
    doc.header(QStringLiteral("Kreuztabelle"), league);
    doc.paragraph(QString(), kBold10);
    // Blocks of six opponent columns, as many as the teams need; the last
    // block of a league whose count is no multiple of six is narrower.
    const int n = grid.teamCount();
    const int blocks = (n + 5) / 6;
    for (int b = 1; b <= blocks; ++b) {
        const int last = std::min(6 * b, n);
        QStringList numbers{QString(), QString()};
        for (int c = 6 * b - 5; c <= last; ++c)
            numbers << num(c);
        doc.paragraph(numbers.join(QLatin1Char('\t')), kBold10);
        for (int r = 1; r <= n; ++r) {
            QStringList cells{num(r), grid.cell(1, r)};
            for (int c = 6 * b - 5; c <= last; ++c)
                cells << grid.cell(c + 1, r);
            doc.paragraph(cells.join(QLatin1Char('\t')), kPlain9);
        }
        if (b < blocks)
            doc.paragraph(QString(), kBold9);
    }
    return doc.finish();
}

QByteArray Exp_st_RTF(const League &league)
{
    RtfDocument doc({3780, 4060, 8120, 8540, 8740});
    doc.header(QStringLiteral("Spieltage"), &league);
    for (int j = 1; j <= league.roundCount; ++j) {
        if (!roundUsed(league, j))
            continue;
        const RoundDates &d = league.roundDates[j];
        doc.paragraph(QString(), kBold10);
        doc.paragraph(num(j) + QStringLiteral(". Spieltag vom ") + d.dateFrom + QStringLiteral(" bis ") + d.dateTo,
                      kBold10);
        for (int k = 1; k <= league.rowCount(); ++k) {
            const Match &m = league.results[j][k];
            QString text;
            if (m.teamA != 0 && m.teamB != 0)
                text = tabbed({teamName(league, m.teamA), QStringLiteral("-"), teamName(league, m.teamB)});
            if (m.counts())
                text += tabbed({QString(), num(m.goalsA), QStringLiteral(":"), num(m.goalsB)});
            const QString day = matchDateText(league, j, k);
            if (!day.isEmpty()) {
                // The day stands after the score's tab stops, also where the
                // match has no result yet.
                if (!m.counts())
                    text += tabbed({QString(), QString(), QString(), QString()});
                text += QLatin1Char('\t') + day;
            }
            doc.paragraph(text, kPlain10);
        }
    }
    return doc.finish();
}
