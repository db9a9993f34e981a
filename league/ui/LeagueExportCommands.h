#pragma once

#include "league/export/Exporters.h"
#include "league/standings/RowBands.h"
#include "league/ui/PlatformSeams.h"

#include <functional>

class League;
class QWidget;
class TfrmExport;
class TfrmExpBMP;

// "Export" of the main window: asks which document and where, then writes
// what the core's exportDocument and exportCurve give, the same as the
// command line. Failures throw a LeagueError, which the window shows.
class LeagueExportCommands {
public:
    struct Windows {
        TfrmExport *choice = nullptr;
        TfrmExpBMP *team = nullptr;
        // The cross-table window and the curve window show what is exported.
        std::function<void()> showCross;
        std::function<void(int team)> showCurve;
        // The columns switched on in the table window, which go into the
        // exported tables too.
        std::function<ExportOptions()> tableOptions;
        // The team the curve window compares with (0 = none): its curve
        // comes into the exported picture as well.
        std::function<int()> comparedTeam;
    };

    LeagueExportCommands(const League &league, const RowBandColors &rowBandColor, const UiPlatform &platform,
                         QWidget *window, Windows windows);

    FileDialogState &dlgHtml() { return m_dlgHtml; }
    FileDialogState &dlgBMP() { return m_dlgBMP; }
    FileDialogState &dlgIcs() { return m_dlgIcs; }

    // Asks which document to export and exports it.
    void run();
    void ExportTabHTML();
    void ExportKreuzHTML();
    void ExportSTHTML();
    void ExportBMP();
    void ExportKalender();

private:
    void askAndExport(ExportDocument document, const ExportOptions &options = {});

    const League &m_league;
    const RowBandColors &m_rowBandColor;
    UiPlatform m_platform;
    QWidget *m_window;
    Windows m_windows;
    FileDialogState m_dlgHtml;
    FileDialogState m_dlgBMP;
    FileDialogState m_dlgIcs;
};
