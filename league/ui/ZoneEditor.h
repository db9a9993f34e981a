#pragma once

#include "league/model/League.h"

#include <QList>
#include <QPair>
#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

// The zones of the settings dialog, those counted from the top in a left
// column and those counted from the bottom in a right one: per zone its
// places, name and colour, and whether a champion is played for.
class ZoneEditor : public QWidget {
    Q_OBJECT

public:
    explicit ZoneEditor(QWidget *parent = nullptr);

    void fillFrom(const League &league);
    // A zone keeps no name or colour of its own while it shows its
    // default, so that an older league is saved as before.
    void writeTo(League &league) const;
    // The controls in keyboard order: the champion's tick, then per zone
    // its places, name and colour.
    QList<QWidget *> tabOrder() const;

    // The colours a zone can take, light enough for black text on them.
    static const QList<QPair<QString, int>> &zonePalette();

private:
    void zoneRow(Zone z, int x, int y);

    QCheckBox *chkCh = nullptr;
    QSpinBox *seCL = nullptr;
    QSpinBox *seUC = nullptr;
    QSpinBox *seAb = nullptr;
    QSpinBox *seECL = nullptr;
    QSpinBox *seRP = nullptr;
    // A name and colour per Zone (index Zone).
    std::array<QLineEdit *, kZoneCount> edZone{};
    std::array<QComboBox *, kZoneCount> cboFarbe{};
};
