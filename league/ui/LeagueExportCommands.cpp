#include "league/ui/LeagueExportCommands.h"

#include "league/export/CalendarExport.h"
#include "league/model/League.h"
#include "league/standings/Standings.h"
#include "league/ui/TfrmExpBMP.h"
#include "league/ui/TfrmExport.h"

#include <QDateTime>
#include <QFileInfo>
#include <QStringList>

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
                {QStringLiteral("CompuServe-Grafik (*.gif)"), QStringLiteral("*.gif")},
                {QStringLiteral("PNG-Grafik (*.png)"), QStringLiteral("*.png")}},
               QStringLiteral("bmp")),
      m_dlgIcs(FileDialogState::Save, {{QStringLiteral("Kalender (*.ics)"), QStringLiteral("*.ics")}},
               QStringLiteral("ics"))
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
    case TfrmExport::kCalendar:
        ExportKalender();
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
    const ExportFormat format = m_dlgBMP.filterIndex == 2   ? ExportFormat::Gif
                                : m_dlgBMP.filterIndex == 3 ? ExportFormat::Png
                                                            : ExportFormat::Bmp;
    const int second = m_windows.comparedTeam ? m_windows.comparedTeam() : 0;
    writeExportFile(m_dlgBMP.fileName, exportCurve(team, format, m_league, second), format);
}

void LeagueExportCommands::ExportKalender()
{
    if (!m_platform.files->exec(m_window, m_dlgIcs))
        return;
    // The league file's name names the calendar and its events, as on the
    // command line, so that a new export updates a subscribed calendar.
    const CalendarExport ics = Exp_ics(m_league, QFileInfo(m_league.leagueFileName).completeBaseName(),
                                       QDateTime::currentDateTimeUtc());
    writeExportFile(m_dlgIcs.fileName, ics.bytes, ExportFormat::Calendar);
    if (!ics.undatedRounds.isEmpty() && m_platform.messages) {
        QStringList rounds;
        for (int round : ics.undatedRounds)
            rounds << QString::number(round);
        m_platform.messages->information(
            m_window, QStringLiteral("Spieltage ohne Datum fehlen im Kalender: %1").arg(rounds.join(QStringLiteral(", "))));
    }
}
