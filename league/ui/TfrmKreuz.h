#pragma once

#include "league/standings/CrossTable.h"
#include "league/ui/BuiltOnUseDialog.h"
#include "league/ui/PlatformSeams.h"


class QTableWidget;
class League;

// The cross table window. Its grid is also what the printed cross table
// and the cross-table exports read, so KreuzBer runs before each of them.
class TfrmKreuz : public BuiltOnUseDialog {
    Q_OBJECT

public:
    TfrmKreuz(const UiPlatform &platform, QWidget *parent = nullptr);

    void KreuzBer(const League &league);
    const CrossGrid &asgKreuz() const { return m_grid; }


private:
    void buildControls() override;
    void showGrid();

    UiPlatform m_platform;
    CrossGrid m_grid;
    // The two header columns stay in place while the results scroll.
    QTableWidget *m_fixed = nullptr;
    QTableWidget *m_results = nullptr;
};
