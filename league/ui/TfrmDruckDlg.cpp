#include "league/ui/TfrmDruckDlg.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/print/TPageWriter.h"
#include "league/standings/Standings.h"
#include "league/ui/FormUtil.h"
#include "league/ui/TfrmDruck.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QSpinBox>
#include <QScrollArea>

#include <algorithm>

namespace {

QLabel *boldHeading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    label->setGeometry(6, 4, 300, 15);
    return label;
}

QPushButton *speedButton(const char *name, const QString &text, int x, int width, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(x, 127, width, 22);
    b->setAutoDefault(false);
    return b;
}

// A frameless area whose content scrolls in one direction when it does
// not fit; the boxes keep the panel's background.
QScrollArea *scrollArea(QWidget *parent, const QRect &r, Qt::Orientation scrolls)
{
    auto *area = new QScrollArea(parent);
    area->setGeometry(r);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(scrolls == Qt::Horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(scrolls == Qt::Vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    auto *content = new QWidget;
    content->setAutoFillBackground(false);
    area->setWidget(content);
    area->viewport()->setAutoFillBackground(false);
    // The viewport is laid out when the area first gets its resize event;
    // until then it is given the whole area, as it has without scroll bars.
    area->viewport()->setGeometry(area->rect());
    return area;
}

} // namespace

void TfrmDruckDlg::followShape()
{
    const int rounds = m_league.roundCount;
    const int teams = m_league.teamCount;
    // Six matchdays to a column and three teams to a row. A league with
    // more matchdays than six columns hold scrolls sideways and keeps five
    // to a column above the scroll bar; more than 18 teams scroll down,
    // their columns a little narrower beside the scroll bar.
    const int perColumn = rounds > 36 ? 5 : 6;
    const int teamPitch = teams > 18 ? 99 : 105;
    const int teamWidth = teams > 18 ? 96 : 102;
    for (int j = 1; j <= League::kMaxRounds; ++j) {
        if (!roundBoxes[j] && j <= rounds) {
            roundBoxes[j] = new QCheckBox(QString::number(j), m_roundArea);
            roundBoxes[j]->setObjectName(j <= League::kRounds ? QStringLiteral("CheckBox%1").arg(j)
                                                              : QStringLiteral("chkST%1").arg(j));
        }
        if (roundBoxes[j]) {
            roundBoxes[j]->setGeometry(2 + (j - 1) / perColumn * 52, (j - 1) % perColumn * 17, 46, 17);
            roundBoxes[j]->setVisible(j <= rounds);
        }
    }
    for (int t = 1; t <= League::kMaxTeams; ++t) {
        if (!teamBoxes[t] && t <= teams) {
            teamBoxes[t] = new QCheckBox(QStringLiteral("Team"), m_teamArea);
            teamBoxes[t]->setObjectName(t <= League::kTeams ? QStringLiteral("CheckBox%1").arg(36 + t)
                                                            : QStringLiteral("chkTeam%1").arg(t));
        }
        if (teamBoxes[t]) {
            teamBoxes[t]->setGeometry(2 + (t - 1) % 3 * teamPitch, (t - 1) / 3 * 17, teamWidth, 17);
            teamBoxes[t]->setVisible(t <= teams);
        }
    }
    m_roundArea->resize(std::max(314, 2 + (rounds + perColumn - 1) / perColumn * 52), perColumn * 17);
    m_teamArea->resize(teams > 18 ? 300 : 316, (teams + 2) / 3 * 17);
}

TfrmDruckDlg::TfrmDruckDlg(League &league, const RowBandColors &rowBandColor, TPageWriter &prn,
                           TfrmDruck &preview, const UiPlatform &platform, QWidget *parent)
    : QDialog(parent), m_league(league), m_bands(rowBandColor), m_prn(prn), m_preview(preview),
      m_platform(platform)
{
    setObjectName(QStringLiteral("frmDruckDlg"));
    setWindowTitle(QStringLiteral("Druckauswahl"));
    FormUtil::makeFixedDialog(this, 497, 321);

    CheckBox35 = new QCheckBox(QStringLiteral("Tabelle und Bilanzen"), this);
    CheckBox35->setObjectName(QStringLiteral("CheckBox35"));
    CheckBox35->setGeometry(10, 10, 150, 18);
    auto *lblDrucken = new QLabel(QStringLiteral("drucken"), this);
    lblDrucken->setGeometry(28, 28, 120, 15);
    // The matchday the printed tables stand after, under the tables' box.
    auto *lblTabST = new QLabel(QStringLiteral("Tabellen nach dem Spieltag"), this);
    lblTabST->setObjectName(QStringLiteral("lblTabST"));
    lblTabST->setGeometry(28, 86, 134, 20);
    seTabST = new QSpinBox(this);
    seTabST->setObjectName(QStringLiteral("seTabST"));
    seTabST->setGeometry(28, 106, 56, 22);
    // A spin box lays out its text field when it is resized, which a hidden
    // widget is only when first shown; laid out now, every field of the
    // dialog stands within its box from the start.
    QResizeEvent laidOut(seTabST->size(), QSize());
    QCoreApplication::sendEvent(seTabST, &laidOut);
    lblTabST->setBuddy(seTabST);
    CheckBox36 = new QCheckBox(QStringLiteral("Kreuztabelle drucken"), this);
    CheckBox36->setObjectName(QStringLiteral("CheckBox36"));
    CheckBox36->setGeometry(10, 54, 150, 18);

    panST = new QFrame(this);
    panST->setObjectName(QStringLiteral("panST"));
    panST->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panST->setGeometry(166, 4, 327, 154);
    boldHeading(QStringLiteral("Spieltagsauswahl"), panST);
    // The boxes sit in a scrolling area that holds the six rows of the panel
    // and shows a scroll bar only when a league has more columns of
    // matchdays than fit (more than 36).
    auto *roundScroll = scrollArea(panST, QRect(6, 22, 316, 103), Qt::Horizontal);
    m_roundArea = roundScroll->widget();
    SpeedButton1 = speedButton("SpeedButton1", QStringLiteral("Alle markieren"), 6, 98, panST);
    SpeedButton3 = speedButton("SpeedButton3", QStringLiteral("Keine markieren"), 106, 98, panST);
    SpeedButton2 = speedButton("SpeedButton2", QStringLiteral("Markierung umkehren"), 206, 115, panST);

    panKurve = new QFrame(this);
    panKurve->setObjectName(QStringLiteral("panKurve"));
    panKurve->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panKurve->setGeometry(166, 162, 327, 155);
    boldHeading(QStringLiteral("Fieberkurven (Mannschaftsauswahl)"), panKurve);
    auto *teamScroll = scrollArea(panKurve, QRect(6, 22, 316, 103), Qt::Vertical);
    m_teamArea = teamScroll->widget();
    followShape();
    SpeedButton5 = speedButton("SpeedButton5", QStringLiteral("Alle markieren"), 6, 98, panKurve);
    SpeedButton4 = speedButton("SpeedButton4", QStringLiteral("Keine markieren"), 106, 98, panKurve);
    SpeedButton6 = speedButton("SpeedButton6", QStringLiteral("Markierung umkehren"), 206, 115, panKurve);

    const auto button = [this](QPushButton *&b, const char *name, const QString &text, int y) {
        b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(10, y, 140, 25);
    };
    button(bbOK, "bbOK", QStringLiteral("Weiter"), 230);
    button(bbAbbr, "bbAbbr", QStringLiteral("Abbrechen"), 260);
    button(bbHilfe, "bbHilfe", QStringLiteral("Hilfe"), 290);
    bbOK->setDefault(true);
    bbAbbr->setAutoDefault(false);
    bbHilfe->setAutoDefault(false);

    connect(SpeedButton1, &QPushButton::clicked, this, &TfrmDruckDlg::SpeedButton1Click);
    connect(SpeedButton3, &QPushButton::clicked, this, &TfrmDruckDlg::SpeedButton3Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TfrmDruckDlg::SpeedButton2Click);
    connect(SpeedButton5, &QPushButton::clicked, this, &TfrmDruckDlg::SpeedButton5Click);
    connect(SpeedButton4, &QPushButton::clicked, this, &TfrmDruckDlg::SpeedButton4Click);
    connect(SpeedButton6, &QPushButton::clicked, this, &TfrmDruckDlg::SpeedButton6Click);
    connect(CheckBox35, &QCheckBox::toggled, seTabST, &QWidget::setEnabled);
    connect(bbOK, &QPushButton::clicked, this, [this] { done(1); });
    connect(bbAbbr, &QPushButton::clicked, this, [this] { done(2); });
    connect(bbHilfe, &QPushButton::clicked, this, &TfrmDruckDlg::bbHilfeClick);
}

void TfrmDruckDlg::resetChoices()
{
    printFlags.fill(0);
    const PrintSelection defaults = defaultPrintSelection(m_league);
    filledRounds = defaults.filledRounds;
    CheckBox35->setChecked(true);
    CheckBox36->setChecked(true);
    // As the table window: after the last matchday with a result.
    seTabST->setRange(std::max(m_league.firstRound, 1), std::max(m_league.roundCount, 1));
    seTabST->setValue(std::max(lastCountedRound(m_league), m_league.firstRound));
    followShape();
    for (int j = 1; j <= m_league.roundCount; ++j)
        roundBoxes[j]->setChecked(defaults.rounds[j]);
    for (int t = 1; t <= m_league.teamCount; ++t) {
        QCheckBox *box = teamBoxes[t];
        box->setChecked(true);
        // The boxes carry the team names where there are any, so the user
        // sees whose curve is chosen; the full name is in the tool tip.
        const QString name = m_league.teamNames[t];
        const QString caption = name.isEmpty() ? QStringLiteral("Team") : name;
        const int room = box->width() - 22;
        box->setText(FormUtil::buttonCaption(box->fontMetrics().elidedText(caption, Qt::ElideRight, room)));
        box->setToolTip(FormUtil::plainToolTip(name));
    }
}

PrintSelection TfrmDruckDlg::selection() const
{
    PrintSelection s;
    s.tables = CheckBox35->isChecked();
    s.tablesRound = seTabST->value();
    s.crossTable = CheckBox36->isChecked();
    for (int j = 1; j <= m_league.roundCount; ++j)
        s.rounds[j] = roundBoxes[j] && roundBoxes[j]->isChecked();
    for (int t = 1; t <= m_league.teamCount; ++t)
        s.teams[t] = teamBoxes[t] && teamBoxes[t]->isChecked();
    s.filledRounds = filledRounds;
    return s;
}

bool TfrmDruckDlg::mnuDruckClick()
{
    resetChoices();
    if (exec() != 1)
        return false;
    buildDocument(selection());
    if (m_prn.pageCount() == 0)
        return false;
    m_preview.showPages();
    return true;
}

void TfrmDruckDlg::buildDocument(const PrintSelection &selection)
{
    if (m_progBar) {
        m_progBar->setValue(0);
        m_progBar->show();
    }
    LeaguePrintJobs jobs(m_league, m_bands, m_prn);
    try {
        jobs.build(selection, [this](int percent) {
            if (m_progBar)
                m_progBar->setValue(percent);
        });
    } catch (const LeagueError &e) {
        // A failed job ends the command; the half-built document is dropped
        // so the preview never shows it.
        m_prn.clear();
        if (m_platform.messages)
            m_platform.messages->error(this, e.message());
    }
    printFlags = jobs.printFlags;
    if (m_progBar) {
        m_progBar->hide();
        m_progBar->setValue(0);
    }
}

void TfrmDruckDlg::SpeedButton1Click()
{
    for (int j = 1; j <= m_league.roundCount; ++j)
        roundBoxes[j]->setChecked(true);
}

void TfrmDruckDlg::SpeedButton3Click()
{
    for (int j = 1; j <= m_league.roundCount; ++j)
        roundBoxes[j]->setChecked(false);
}

void TfrmDruckDlg::SpeedButton2Click()
{
    for (int j = 1; j <= m_league.roundCount; ++j)
        roundBoxes[j]->setChecked(!roundBoxes[j]->isChecked());
}

void TfrmDruckDlg::SpeedButton5Click()
{
    for (int t = 1; t <= m_league.teamCount; ++t)
        teamBoxes[t]->setChecked(true);
}

void TfrmDruckDlg::SpeedButton4Click()
{
    for (int t = 1; t <= m_league.teamCount; ++t)
        teamBoxes[t]->setChecked(false);
}

void TfrmDruckDlg::SpeedButton6Click()
{
    for (int t = 1; t <= m_league.teamCount; ++t)
        teamBoxes[t]->setChecked(!teamBoxes[t]->isChecked());
}

void TfrmDruckDlg::bbHilfeClick()
{
    if (m_platform.help)
        m_platform.help->showContext(this, 8);
}
