#pragma once

#include "league/model/League.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class CrossGrid;
struct Standings;
struct RowBandColors;

// The three documents of the export dialog, in the order of its buttons.
enum class ExportDocument { Tables, Cross, Matchdays };
enum class ExportFormat { Html, Rtf, Text, Bmp, Gif, Calendar, Png };

// What a document export can be asked for besides its format: the tables
// after a matchday (by default after the last one, the whole season), the
// reason of every place (in the text tables after the row, in the HTML
// table as the row's title), and in the HTML league table a column with
// each team's form and one with its change of place since the matchday
// before.
struct ExportOptions {
    int lastRound = League::kMaxRounds;
    bool explain = false;
    bool form = false;
    bool movement = false;
};

// Document writers. Each returns the whole file: Windows-1252 bytes, CR LF
// line ends. The tables writers read rows 1..teamCount of the three sorted
// tables (TabBer must have run); the league table's row colours come from
// the current row bands. The cross-table writers read the teamCount rows and
// columns of a grid filled by KreuzBer. The matchday writers walk matchdays
// 1..roundCount with rowCount() rows each. Given the league, a document is
// headed by the league's name when it has one, and the tables carry the
// legend of the zones when the league uses zones of today; without it, or
// for a league with neither, the documents are what they always were.
QByteArray Exp_tb_HTM(const Standings &standings, const RowBandColors &rowBandColor,
                      const League *league = nullptr, const ExportOptions &options = {});
QByteArray Exp_kt_HTM(const CrossGrid &grid, const League *league = nullptr);
QByteArray Exp_st_HTM(const League &league);
// With `explain`, every table row below the first ends with the rule that
// put it below the row above ("Punkte", "direkter Vergleich: Tore", ...).
QByteArray Exp_tb_TXT(const Standings &standings, bool explain = false, const League *league = nullptr);
QByteArray Exp_kt_TXT(const CrossGrid &grid, const League *league = nullptr);
QByteArray Exp_st_TXT(const League &league);
QByteArray Exp_tb_RTF(const Standings &standings, const RowBandColors &rowBandColor,
                      const League *league = nullptr);
QByteArray Exp_kt_RTF(const CrossGrid &grid, const League *league = nullptr);
QByteArray Exp_st_RTF(const League &league);

// Picture writers: an uncompressed 24-bit bottom-up Windows bitmap, and a
// one-image GIF87a with a global colour table and no extension blocks.
QByteArray Exp_krv_BMP(const QImage &picture);
QByteArray Exp_krv_GIF(const QImage &picture);
// A PNG file of the picture, its colours kept exactly.
QByteArray Exp_krv_PNG(const QImage &picture);


// Recomputes what the document needs (standings or cross-table grid) and
// runs the writer for the format. Bmp and Gif are not document formats and
// throw std::invalid_argument.
QByteArray exportDocument(ExportDocument document, ExportFormat format, const League &league,
                          const RowBandColors &rowBandColor, const ExportOptions &options = {});

// Draws the curve of `team` (1..teamCount) on the chart of the league's
// shape, with the curve of `secondTeam` in red when it names another slot
// of the league, and encodes it as Bmp, Gif or Png.
QByteArray exportCurve(int team, ExportFormat format, const League &league, int secondTeam = 0);

// Writes the whole file or nothing: the bytes go to a temporary file in the
// same folder, which replaces `fileName` only when complete. On failure
// throws LeagueError with the message of the format: "I/O-Fehler %d" (the
// system's error number) for HTML and text, "Kann Datei %s nicht erstellen"
// for RTF, pictures and the calendar.
void writeExportFile(const QString &fileName, const QByteArray &bytes, ExportFormat format);
