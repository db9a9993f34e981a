#include "league/export/Exporters.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/standings/CrossTable.h"
#include "league/standings/FeverCurve.h"
#include "league/standings/RowBands.h"
#include "league/standings/Standings.h"

#include "common/AtomicFile.h"

#include <cerrno>
#include <stdexcept>

namespace {

[[noreturn]] void failed(const QString &fileName, ExportFormat format, int osError)
{
    if (format == ExportFormat::Html || format == ExportFormat::Text)
        throw LeagueError(QStringLiteral("I/O-Fehler %1").arg(osError != 0 ? osError : EIO));
    throw LeagueError(QStringLiteral("Kann Datei %1 nicht erstellen").arg(fileName));
}

} // namespace

void writeExportFile(const QString &fileName, const QByteArray &bytes, ExportFormat format)
{
    // The old file, if any, stays as it was until the new one is complete;
    // a FIFO or device at the name is refused as any failed write is.
    const AtomicFile::Result r = AtomicFile::write(fileName, bytes);
    if (!r.ok())
        failed(fileName, format, r.systemError);
}

QByteArray exportDocument(ExportDocument document, ExportFormat format, const League &league,
                          const RowBandColors &rowBandColor, const ExportOptions &options)
{
    switch (document) {
    case ExportDocument::Tables: {
        Standings standings;
        TabBer(league, standings, options.lastRound);
        switch (format) {
        case ExportFormat::Html: return Exp_tb_HTM(standings, rowBandColor, &league, options);
        case ExportFormat::Rtf: return Exp_tb_RTF(standings, rowBandColor, &league);
        case ExportFormat::Text: return Exp_tb_TXT(standings, options.explain, &league);
        default: break;
        }
        break;
    }
    case ExportDocument::Cross: {
        CrossGrid grid;
        KreuzBer(league, grid);
        switch (format) {
        case ExportFormat::Html: return Exp_kt_HTM(grid, &league);
        case ExportFormat::Rtf: return Exp_kt_RTF(grid, &league);
        case ExportFormat::Text: return Exp_kt_TXT(grid, &league);
        default: break;
        }
        break;
    }
    case ExportDocument::Matchdays:
        switch (format) {
        case ExportFormat::Html: return Exp_st_HTM(league);
        case ExportFormat::Rtf: return Exp_st_RTF(league);
        case ExportFormat::Text: return Exp_st_TXT(league);
        default: break;
        }
        break;
    }
    throw std::invalid_argument("not a document format");
}

QByteArray exportCurve(int team, ExportFormat format, const League &league, int secondTeam)
{
    if (team < 1 || team > league.teamCount || secondTeam < 0 || secondTeam > league.teamCount)
        throw LeagueError(LeagueError::rangeError());
    CurvePositions curvePos{};
    QImage picture;
    KurveBer(league, team, curvePos, &picture);
    if (secondTeam != 0 && secondTeam != team) {
        CurvePositions second{};
        KurveBer(league, secondTeam, second);
        drawSecondCurve(picture, league, curvePos, second);
    }
    if (format == ExportFormat::Bmp)
        return Exp_krv_BMP(picture);
    if (format == ExportFormat::Gif)
        return Exp_krv_GIF(picture);
    if (format == ExportFormat::Png)
        return Exp_krv_PNG(picture);
    throw std::invalid_argument("not a picture format");
}
