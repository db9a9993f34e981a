#include "league/ui/ZoneEditor.h"

#include "league/model/IniFile.h"
#include "league/ui/Cp1252Validator.h"
#include "league/ui/FormUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSpinBox>

namespace {

// The headings stand above the first row of each column.
constexpr int kRowsTop = 20;

void addColour(QComboBox *combo, int rgb, const QString &name = QString())
{
    QPixmap swatch(16, 12);
    swatch.fill(QColor::fromRgb(static_cast<QRgb>(rgb)));
    combo->addItem(QIcon(swatch), QString(), rgb);
    if (!name.isEmpty())
        combo->setItemData(combo->count() - 1, name, Qt::ToolTipRole);
}

} // namespace

ZoneEditor::ZoneEditor(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("panZonen"));
    setFixedSize(436, kRowsTop + 96);
    FormUtil::label(this, QStringLiteral("Zonen von oben: Plätze, Name, Farbe"), QRect(10, 0, 216, 18));
    FormUtil::label(this, QStringLiteral("von unten"), QRect(230, 0, 200, 18));
    auto spinAt = [this](QSpinBox *&s, const char *name, int x, int y, const QString &tip) {
        s = new QSpinBox(this);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(0, 8);
        s->setGeometry(x, y, 44, 22);
        s->setToolTip(tip);
    };
    chkCh = new QCheckBox(this);
    chkCh->setObjectName(QStringLiteral("chkCh"));
    chkCh->setGeometry(22, kRowsTop, 26, 22);
    chkCh->setChecked(true);
    chkCh->setToolTip(QStringLiteral("Wird ein Meister ausgespielt?"));
    zoneRow(Zone::Champion, 10, kRowsTop);
    spinAt(seCL, "seCL", 10, kRowsTop + 24, QStringLiteral("Champions-League-Plätze (außer dem Meister)"));
    zoneRow(Zone::ChampionsLeague, 10, kRowsTop + 24);
    spinAt(seUC, "seUC", 10, kRowsTop + 48, QStringLiteral("Europa-League-Plätze (früher UEFA-Cup)"));
    zoneRow(Zone::EuropaLeague, 10, kRowsTop + 48);
    spinAt(seECL, "seECL", 10, kRowsTop + 72, QStringLiteral("Conference-League-Plätze"));
    zoneRow(Zone::ConferenceLeague, 10, kRowsTop + 72);
    spinAt(seRP, "seRP", 230, kRowsTop, QStringLiteral("Relegationsplätze über den Absteigern"));
    zoneRow(Zone::RelegationPlayoff, 230, kRowsTop);
    spinAt(seAb, "seAb", 230, kRowsTop + 24, QStringLiteral("Absteiger"));
    zoneRow(Zone::Relegation, 230, kRowsTop + 24);
    seCL->setValue(1);
    seUC->setValue(3);
    seAb->setValue(3);
}

void ZoneEditor::zoneRow(Zone z, int x, int y)
{
    const int i = static_cast<int>(z);
    const QString n = QString::number(i + 1);
    edZone[i] = new QLineEdit(this);
    edZone[i]->setObjectName(QStringLiteral("edZone") + n);
    edZone[i]->setGeometry(x + 48, y, 110, 22);
    edZone[i]->setMaxLength(IniFile::kMaxValueLength);
    edZone[i]->setValidator(new Cp1252Validator(this));
    edZone[i]->setPlaceholderText(League::defaultZoneName(z));
    cboFarbe[i] = new QComboBox(this);
    cboFarbe[i]->setObjectName(QStringLiteral("cboFarbe") + n);
    cboFarbe[i]->setGeometry(x + 162, y, 44, 22);
    for (const auto &[name, rgb] : zonePalette())
        addColour(cboFarbe[i], rgb, name);
}

QList<QWidget *> ZoneEditor::tabOrder() const
{
    QList<QWidget *> order{chkCh};
    const std::array<QSpinBox *, kZoneCount> places{nullptr, seCL, seUC, seECL, seRP, seAb};
    for (int z = 0; z < kZoneCount; ++z) {
        if (places[z])
            order << places[z];
        order << edZone[z] << cboFarbe[z];
    }
    return order;
}

void ZoneEditor::fillFrom(const League &league)
{
    chkCh->setChecked(league.hasChampion);
    seCL->setValue(league.clPlaces);
    seUC->setValue(league.ucPlaces);
    seAb->setValue(league.relegationPlaces);
    seECL->setValue(league.conferencePlaces);
    seRP->setValue(league.playoffPlaces);
    for (int z = 0; z < kZoneCount; ++z) {
        edZone[z]->setText(league.zoneName(static_cast<Zone>(z)));
        edZone[z]->setCursorPosition(0);
        // A colour of a file that the list does not hold is added to it,
        // so that a save keeps it.
        const int rgb = league.zoneColorRgb(static_cast<Zone>(z));
        int at = cboFarbe[z]->findData(rgb);
        if (at < 0) {
            addColour(cboFarbe[z], rgb);
            at = cboFarbe[z]->count() - 1;
        }
        cboFarbe[z]->setCurrentIndex(at);
    }
}

void ZoneEditor::writeTo(League &league) const
{
    league.hasChampion = chkCh->isChecked();
    league.clPlaces = seCL->value();
    league.ucPlaces = seUC->value();
    league.relegationPlaces = seAb->value();
    league.conferencePlaces = seECL->value();
    league.playoffPlaces = seRP->value();
    for (int z = 0; z < kZoneCount; ++z) {
        const Zone zone = static_cast<Zone>(z);
        const QString name = edZone[z]->text().trimmed();
        league.zoneNames[z] = name == League::defaultZoneName(zone) ? QString() : name;
        const int rgb = cboFarbe[z]->currentData().toInt();
        league.zoneRgb[z] = rgb == League::defaultZoneRgb(zone) ? -1 : rgb;
    }
}

const QList<QPair<QString, int>> &ZoneEditor::zonePalette()
{
    static const QList<QPair<QString, int>> palette{
        {QStringLiteral("Türkis"), 0xBBFFFF}, {QStringLiteral("Rosa"), 0xFFBBFF},
        {QStringLiteral("Grün"), 0xBBFFBB},   {QStringLiteral("Gelb"), 0xFFFFAA},
        {QStringLiteral("Orange"), 0xFFDDAA}, {QStringLiteral("Rot"), 0xFFBBBB},
        {QStringLiteral("Blau"), 0xBBDDFF},   {QStringLiteral("Lila"), 0xDDBBFF},
        {QStringLiteral("Grau"), 0xDDDDDD},   {QStringLiteral("Weiß"), 0xFFFFFF},
    };
    return palette;
}
