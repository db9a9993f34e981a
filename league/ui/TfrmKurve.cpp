#include "league/ui/TfrmKurve.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/ui/FormUtil.h"

#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

TfrmKurve::TfrmKurve(const UiPlatform &platform, const League &league, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_league(league)
{
    setObjectName(QStringLiteral("frmKurve"));
    setWindowTitle(QStringLiteral("Fieberkurven"));
    FormUtil::makeFixedDialog(this, 474, 336);
    setModal(true);

    cboTeam = new QComboBox(this);
    cboTeam->setObjectName(QStringLiteral("cboTeam"));
    cboTeam->setGeometry(4, 4, 138, 22);
    FormUtil::dropDownList(cboTeam, 10);
    // A second team to compare with, its curve in red.
    cboTeam2 = new QComboBox(this);
    cboTeam2->setObjectName(QStringLiteral("cboTeam2"));
    cboTeam2->setGeometry(146, 4, 136, 22);
    cboTeam2->setToolTip(QStringLiteral("Vergleich mit einer zweiten Mannschaft (rot)"));
    FormUtil::dropDownList(cboTeam2, 10);

    auto *hilfe = new QPushButton(QStringLiteral("Hilfe"), this);
    hilfe->setObjectName(QStringLiteral("bbHilfe"));
    hilfe->setGeometry(286, 3, 90, 25);
    hilfe->setAutoDefault(false);
    auto *ok = new QPushButton(QStringLiteral("Schließen"), this);
    ok->setObjectName(QStringLiteral("bbOK"));
    ok->setGeometry(380, 3, 90, 25);
    ok->setDefault(true);
    m_hilfe = hilfe;
    m_ok = ok;

    imgGraf = new QLabel(this);
    imgGraf->setObjectName(QStringLiteral("imgGraf"));
    imgGraf->setGeometry(4, 32, FeverCurve::kWidth, FeverCurve::kHeight);

    for (QComboBox *list : {cboTeam, cboTeam2})
        connect(list, &QComboBox::activated, this, [this] {
            try {
                KurveBer();
            } catch (const LeagueError &e) {
                m_platform.messages->error(this, e.message());
            }
        });
    connect(hilfe, &QPushButton::clicked, this, [this] { m_platform.help->showContext(this, 5); });
    connect(ok, &QPushButton::clicked, this, [this] { done(1); });

    // The empty chart is drawn when the window is first shown or its picture
    // first asked for: drawing it needs three more fonts, and opening the
    // window draws it afresh anyway.
    fillList();
}

void TfrmKurve::setVisible(bool visible)
{
    if (visible && m_picture.isNull())
        Grafik();
    QDialog::setVisible(visible);
}

const QImage &TfrmKurve::picture() const
{
    if (m_picture.isNull())
        const_cast<TfrmKurve *>(this)->Grafik();
    return m_picture;
}

void TfrmKurve::fillList()
{
    const int second = cboTeam2->currentIndex();
    for (QComboBox *list : {cboTeam, cboTeam2}) {
        list->clear();
        list->addItem(QStringLiteral("---"));
        for (int i = 1; i <= m_league.teamCount; ++i)
            list->addItem(m_league.teamNames[i]);
    }
    // The comparison stays while the team is still in the league.
    cboTeam2->setCurrentIndex(second >= 0 && second <= m_league.teamCount ? second : 0);
}

void TfrmKurve::prepare()
{
    Grafik();
    fillList();
    cboTeam->setCurrentIndex(0);
}

void TfrmKurve::Grafik()
{
    m_picture = ::Grafik(m_league);
    showPicture();
}

void TfrmKurve::KurveBer()
{
    ::KurveBer(m_league, cboTeam->currentIndex(), m_curvePos, &m_picture);
    const int second = secondTeam();
    if (second != 0 && second != cboTeam->currentIndex()) {
        CurvePositions positions{};
        ::KurveBer(m_league, second, positions);
        drawSecondCurve(m_picture, m_league, m_curvePos, positions);
    }
    showPicture();
}

void TfrmKurve::selectSecondTeam(int team)
{
    fillList();
    cboTeam2->setCurrentIndex(team >= 0 && team <= m_league.teamCount ? team : 0);
}

int TfrmKurve::secondTeam() const
{
    const int team = cboTeam2->currentIndex();
    return team > 0 && team <= m_league.teamCount ? team : 0;
}

void TfrmKurve::selectTeam(int team)
{
    // The list may never have been filled, or filled before the teams were
    // renamed; the picture must carry the name the league has now.
    fillList();
    cboTeam->setCurrentIndex(team);
}

void TfrmKurve::showPicture()
{
    // The chart grows and shrinks with the league; the window follows it,
    // never narrower than its list and buttons need, the buttons at its
    // right edge as at the classic size.
    imgGraf->setGeometry(4, 32, m_picture.width(), m_picture.height());
    imgGraf->setPixmap(QPixmap::fromImage(m_picture));
    const int width = std::max(474, m_picture.width() + 9);
    setFixedSize(width, m_picture.height() + 36);
    m_ok->move(width - 94, 3);
    m_hilfe->move(width - 188, 3);
}
