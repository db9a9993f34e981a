#pragma once

#include "league/ui/PlatformSeams.h"

#include <QDialog>

// "Liga exportieren": asks what to export. The dialog's result names the
// choice; "Hilfe" leaves it open.
class TfrmExport : public QDialog {
    Q_OBJECT

public:
    static constexpr int kTables = 1;
    static constexpr int kBack = 2;
    static constexpr int kCurve = 4;
    static constexpr int kCross = 5;
    static constexpr int kMatchdays = 6;
    static constexpr int kCalendar = 7;

    TfrmExport(const UiPlatform &platform, QWidget *parent = nullptr);

private:
    UiPlatform m_platform;
};
