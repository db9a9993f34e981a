#include "tournament/ui/TForm2.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "tournament/knockout/Bracket.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/Apparence.h"
#include "tournament/ui/Plateforme.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/Tbilans.h"

using Apparence::cree;

namespace {

constexpr int kFlagW = 78;
constexpr int kFlagH = 53;
constexpr int kWidth = 1100;
constexpr int kTop = 118;      // top of the first pair of qualifiers
constexpr int kPairPitch = 140; // distance between two pairs of one column

// The glyph of the final's button: a cup drawn in the window's own colours.
QPixmap coupe()
{
    QPixmap pixmap(48, 56);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xb0, 0x88, 0x00), 2));
    p.setBrush(QColor(0xff, 0xcd, 0x00));
    QPainterPath cup;
    cup.moveTo(10, 4);
    cup.lineTo(38, 4);
    cup.quadTo(38, 30, 24, 34);
    cup.quadTo(10, 30, 10, 4);
    p.drawPath(cup);
    p.setBrush(Qt::NoBrush);
    p.drawArc(2, 8, 12, 14, 90 * 16, 180 * 16);
    p.drawArc(34, 8, 12, 14, 270 * 16, 180 * 16);
    p.setBrush(QColor(0xff, 0xcd, 0x00));
    p.drawRect(21, 34, 6, 10);
    p.drawRect(13, 44, 22, 5);
    p.setBrush(QColor(0x7a, 0x4a, 0x1d));
    p.setPen(Qt::NoPen);
    p.drawRect(10, 49, 28, 6);
    return pixmap;
}

int indexCode(char code)
{
    for (int i = 0; i < kStage2MatchCount; ++i)
        if (codes_tour2[i] == code)
            return i;
    return -1;
}

} // namespace

TForm2::TForm2(TForm1 &main) : m_main(main)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Trophex 1.1  Stage 2"));
    Apparence::appliquePolice(this);
    setFixedSize(kWidth, 720);

    // Column x of each element, left half; the right half mirrors it.
    const int xQualif = 10, xBtn1 = 94, xQuart = 160, xBtn2 = 244, xDemi = 310, xBtn3 = 394;
    const auto mirror = [](int x, int w) { return kWidth - x - w; };
    const auto centre = [](int pair) { return kTop + kPairPitch * pair + (2 * kFlagH + 4) / 2; };

    // Left column: matches '1', '4', '5', '8' from top to bottom; right: '2', '3', '6', '7'.
    const char left[] = {'1', '4', '5', '8'};
    const char right[] = {'2', '3', '6', '7'};
    for (int side = 0; side < 2; ++side) {
        for (int pair = 0; pair < 4; ++pair) {
            const char code = side == 0 ? left[pair] : right[pair];
            const int m = code - '1';
            const int top = kTop + kPairPitch * pair;
            const int places[2] = {tirage_premier[m], tirage_second[m]};
            for (int k = 0; k < 2; ++k) {
                const int slot = places[k];
                const int x = side == 0 ? xQualif : mirror(xQualif, kFlagW);
                // Slot 2g is the winner ("1") and 2g+1 the runner-up ("2") of group g.
                const QString name = QStringLiteral("im%1%2").arg(QChar('A' + slot / 2)).arg(slot % 2 + 1);
                qualifies[slot] = cree<QLabel>(this, "", x, top + k * (kFlagH + 4), kFlagW, kFlagH);
                qualifies[slot]->setObjectName(slot == 0 ? QStringLiteral("ImA1") : name);
            }
            const int bx = side == 0 ? xBtn1 : mirror(xBtn1, 60);
            boutons[indexCode(code)] = cree<QPushButton>(this, "", bx, centre(pair) - 13, 60, 26,
                                                         QStringLiteral("Score"));
            boutons[indexCode(code)]->setObjectName(QStringLiteral("match%1").arg(QLatin1Char(code)));
            const int qx = side == 0 ? xQuart : mirror(xQuart, kFlagW);
            quarts[m] = cree<QLabel>(this, "", qx, centre(pair) - kFlagH / 2, kFlagW, kFlagH);
            quarts[m]->setObjectName(QStringLiteral("im%1").arg(QLatin1Char(code)));
        }
        // Quarter-finals: left 'A' ('1'/'4') and 'C' ('5'/'8'); right 'B' ('2'/'3') and 'D' ('6'/'7').
        for (int q = 0; q < 2; ++q) {
            const char code = side == 0 ? (q == 0 ? 'A' : 'C') : (q == 0 ? 'B' : 'D');
            const int y = (centre(2 * q) + centre(2 * q + 1)) / 2;
            const int bx = side == 0 ? xBtn2 : mirror(xBtn2, 60);
            boutons[indexCode(code)] = cree<QPushButton>(this, "", bx, y - 13, 60, 26, QStringLiteral("Score"));
            boutons[indexCode(code)]->setObjectName(QStringLiteral("match%1").arg(QLatin1Char(code)));
            const int dx = side == 0 ? xDemi : mirror(xDemi, kFlagW);
            demis[code - 'A'] = cree<QLabel>(this, "", dx, y - kFlagH / 2, kFlagW, kFlagH);
            demis[code - 'A']->setObjectName(QStringLiteral("im%1").arg(QLatin1Char(code)));
        }
        // Semi-finals: 'F' on the left, 'G' on the right.
        const char code = side == 0 ? 'F' : 'G';
        const int y = (centre(0) + centre(3)) / 2;
        const int bx = side == 0 ? xBtn3 : mirror(xBtn3, 60);
        boutons[indexCode(code)] = cree<QPushButton>(this, "", bx, y - 13, 60, 26, QStringLiteral("Score"));
        boutons[indexCode(code)]->setObjectName(side == 0 ? QStringLiteral("demi1") : QStringLiteral("demi2"));
        finalistes[side] = cree<QLabel>(this, "", side == 0 ? 462 : kWidth - 462 - kFlagW, y - 90, kFlagW, kFlagH);
        finalistes[side]->setObjectName(side == 0 ? QStringLiteral("imF") : QStringLiteral("imG"));
    }

    const int yFinal = (centre(0) + centre(3)) / 2;
    auto *finale = cree<QPushButton>(this, "finale", kWidth / 2 - 40, yFinal - 20, 80, 80);
    finale->setIcon(QIcon(coupe()));
    finale->setIconSize(QSize(48, 56));
    finale->setToolTip(QStringLiteral("Final"));
    boutons[indexCode('Z')] = finale;

    petite_finale[0] = cree<QLabel>(this, "imT", 462, 14, kFlagW, kFlagH);
    petite_finale[1] = cree<QLabel>(this, "ImU", kWidth - 462 - kFlagW, 14, kFlagW, kFlagH);
    boutons[indexCode('Y')] = cree<QPushButton>(this, "troisieme", kWidth / 2 - 85, 74, 170, 28,
                                                QStringLiteral("Third place game"));

    avert = cree<QLabel>(this, "avert", 10, 676, 620, 28,
                         QStringLiteral("There are still games to be played in the first stage."));
    avert->setStyleSheet(QStringLiteral("color: #c00000;"));
    bouton_bilan = cree<QPushButton>(this, "bouton_bilan", kWidth - 250, 676, 110, 30, QStringLiteral("Rankings"));
    Retour = cree<QPushButton>(this, "Retour", kWidth - 126, 676, 110, 30, QStringLiteral("Back"));

    for (int i = 0; i < kStage2MatchCount; ++i) {
        const char code = codes_tour2[i];
        connect(boutons[i], &QPushButton::clicked, this, [this, code] { ouvreMatch(code); });
    }
    connect(bouton_bilan, &QPushButton::clicked, this, &TForm2::bouton_bilanClick);
    connect(Retour, &QPushButton::clicked, this, &TForm2::RetourClick);

    Apparence::centre(this);
    Apparence::chargeIcone(this, main.dossier(), main.plateforme(), main.iconeLue());
    // Created at start: the qualifiers and the played knock-out matches are read now.
    Tournament &t = main.tournoi();
    main.signale(charge_qualifies(t, main.dossier()));
    main.signale(charge_tour2(t, main.dossier()));
}

QPushButton *TForm2::bouton(char code) const
{
    const int i = indexCode(code);
    return i < 0 ? nullptr : boutons[i];
}

void TForm2::montre()
{
    if (isVisible())
        formShow();
    else
        show();
    raise();
    activateWindow();
}

void TForm2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        formShow();
}

void TForm2::formShow()
{
    Tournament &t = m_main.tournoi();
    derive_tableau(t);
    const EtatBoutons etat = etat_boutons(t);
    avert->setVisible(etat.avert);
    for (int i = 0; i < kStage2MatchCount; ++i)
        boutons[i]->setEnabled(etat.enabled[i]);
    bouton_bilan->setVisible(etat.bilan);

    // Flags in slot order; a picture that cannot be read costs only its image.
    const auto flag = [this](QLabel *image, const TEquipe *team) {
        const QString file = team ? team->flagFile() : QStringLiteral("defaut.bmp");
        Apparence::chargeImage(image, m_main.dossier(), file, &m_main.plateforme(), this);
    };
    for (int i = 0; i < kQualifierCount; ++i)
        flag(qualifies[i], t.qualifies[i]);
    for (int i = 0; i < 8; ++i)
        flag(quarts[i], t.quarts[i]);
    for (int i = 0; i < 4; ++i)
        flag(demis[i], t.demis[i]);
    for (int i = 0; i < 2; ++i)
        flag(finalistes[i], t.finalistes[i]);
    for (int i = 0; i < 2; ++i)
        flag(petite_finale[i], t.petite_finale[i]);
}

void TForm2::ouvreMatch(char code)
{
    Tournament &t = m_main.tournoi();
    const auto [team1, team2] = equipes_du_match(t, code);
    if (!team1 || !team2)
        return;
    m_main.lettre->setEditText(QString());
    for (QListWidget *list : {m_main.listeq1, m_main.listeq2, m_main.buteur1, m_main.buteur2})
        list->clear();
    m_main.score1->setValue(0);
    m_main.score2->setValue(0);
    t.code_match = code;
    m_main.equipe1->setEditText(team1->name.text());
    m_main.equipe2->setEditText(team2->name.text());
    hide();
    m_main.montre();
}

void TForm2::bouton_bilanClick()
{
    m_main.fenetres().bilans->show();
}

void TForm2::RetourClick()
{
    hide();
    m_main.tournoi().phase2 = false;
    m_main.montre();
}

void TForm2::closeEvent(QCloseEvent *event)
{
    // The title bar does what "Back" does.
    QWidget::closeEvent(event);
    m_main.tournoi().phase2 = false;
    m_main.montre();
}
