#include "league/ui/LeagueExportCommands.h"

#include "league/standings/Standings.h"
#include "league/ui/TfrmExpBMP.h"
#include "league/ui/TfrmExport.h"

LeagueExportCommands::LeagueExportCommands(const League &league, const RowBandColors &rowBandColor,
                                           const UiPlatform &platform, QWidget *window, Windows windows)
    : m_league(league),
      m_rowBandColor(rowBandColor),
      m_platform(platform),
      m_window(window),
      m_windows(std::move(windows)),
      m_dlgHtml(FileDialogState::Save,
                {{QStringLiteral("HTM(L)-Dateien (*.htm / *.html)"), QStringLiteral("*.html;*.htm")},
                 {QStringLiteral("Rich Text Format (*.rtf)"), QStringLiteral("*.rtf")},
                 {QStringLiteral("Text-Dateien (*.txt)"), QStringLiteral("*.txt")}},
                QStringLiteral("html")),
      m_dlgBMP(FileDialogState::Save,
               {{QStringLiteral("Bitmap-Grafiken (*.bmp)"), QStringLiteral("*.bmp")},
                {QStringLiteral("CompuServe-Grafik (*.gif)"), QStringLiteral("*.gif")}},
               QStringLiteral("bmp"))
{
}

void LeagueExportCommands::run()
{
    switch (m_windows.choice->exec()) {
    case TfrmExport::kTables:
        ExportTabHTML();
        break;
    case TfrmExport::kCross:
        ExportKreuzHTML();
        break;
    case TfrmExport::kMatchdays:
        ExportSTHTML();
        break;
    case TfrmExport::kCurve:
        ExportBMP();
        break;
    default:
        break;
    }
}

static ExportFormat documentFormat(int filterIndex)
{
    switch (filterIndex) {
    case 2:
        return ExportFormat::Rtf;
    case 3:
        return ExportFormat::Text;
    default:
        return ExportFormat::Html;
    }
}

void LeagueExportCommands::askAndExport(ExportDocument document, const ExportOptions &options)
{
    // The window only asks where to write; what is written is the core's
    // export, the same the command line gives.
    if (!m_platform.files->exec(m_window, m_dlgHtml))
        return;
    const ExportFormat format = documentFormat(m_dlgHtml.filterIndex);
    writeExportFile(m_dlgHtml.fileName, exportDocument(document, format, m_league, m_rowBandColor, options), format);
}

void LeagueExportCommands::ExportTabHTML()
{
    // The standings are computed before the file dialog, so that a league
    // whose sums overflow says so before a file name is asked for.
    Standings standings;
    TabBer(m_league, standings);
    askAndExport(ExportDocument::Tables, m_windows.tableOptions ? m_windows.tableOptions() : ExportOptions{});
}

void LeagueExportCommands::ExportKreuzHTML()
{
    m_windows.showCross();
    askAndExport(ExportDocument::Cross);
}

void LeagueExportCommands::ExportSTHTML()
{
    askAndExport(ExportDocument::Matchdays);
}

void LeagueExportCommands::ExportBMP()
{
    m_windows.team->setTeamNames(m_league);
    if (m_windows.team->exec() != QDialog::Accepted)
        return;
    if (!m_platform.files->exec(m_window, m_dlgBMP))
        return;
    const int team = m_windows.team->selectedTeam();
    m_windows.showCurve(team);
    const ExportFormat format = m_dlgBMP.filterIndex == 2 ? ExportFormat::Gif : ExportFormat::Bmp;
    writeExportFile(m_dlgBMP.fileName, exportCurve(team, format, m_league), format);
}
