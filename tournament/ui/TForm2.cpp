#include "tournament/ui/TForm2.h"

#include <QCloseEvent>
#include <QFont>
#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "tournament/group/Ranking.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/knockout/Corrections.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/Apparence.h"
#include "tournament/ui/Plateforme.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/Tconfirmation.h"
#include "tournament/ui/Tbilans.h"

using Apparence::cree;

namespace {

constexpr int kFlagW = 78;
constexpr int kFlagH = 53;
constexpr int kNomH = 15;       // height of the name under a flag
constexpr int kNomW = kFlagW + 16; // a name may reach a little beyond its flag
constexpr int kBtnW = 60;
constexpr int kBtnH = 26;
constexpr int kWidth = 1200;
constexpr int kHeight = 770;
constexpr int kTop = 128;       // top of the first pair of qualifiers
constexpr int kPairPitch = 150; // distance between two pairs of one column
constexpr int kPairH = 2 * (kFlagH + kNomH) + 2; // two flags with their names

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
    setFixedSize(kWidth, kHeight);

    // Column x of each flag and button, left half; the right half mirrors it.
    // Each flag's name runs kNomW wide, centred under the flag, so the
    // columns keep a few pixels between a name and the next button.
    const int xQualif = 16, xBtn1 = 110, xQuart = 186, xBtn2 = 280, xDemi = 356, xBtn3 = 450, xFinal = 500;
    const auto mirror = [](int x, int w) { return kWidth - x - w; };
    const auto centre = [](int pair) { return kTop + kPairPitch * pair + kPairH / 2; };
    // A match button with its score label right under it.
    const auto bouton = [this](char code, const QString &name, int x, int y) {
        QPushButton *b = cree<QPushButton>(this, "", x, y, kBtnW, kBtnH, QStringLiteral("Score"));
        b->setObjectName(name);
        boutons[indexCode(code)] = b;
        scores[indexCode(code)] = creeScore(code, x - 10, y + kBtnH + 1, kBtnW + 20);
    };

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
                const QString name = slot == 0 ? QStringLiteral("ImA1")
                                               : QStringLiteral("im%1%2").arg(QChar('A' + slot / 2)).arg(slot % 2 + 1);
                qualifies[slot] = creeDrapeau(name, x, top + k * (kFlagH + kNomH + 2));
            }
            bouton(code, QStringLiteral("match%1").arg(QLatin1Char(code)), side == 0 ? xBtn1 : mirror(xBtn1, kBtnW),
                   centre(pair) - kBtnH / 2);
            const int qx = side == 0 ? xQuart : mirror(xQuart, kFlagW);
            quarts[m] = creeDrapeau(QStringLiteral("im%1").arg(QLatin1Char(code)), qx, centre(pair) - kFlagH / 2);
        }
        // Quarter-finals: left 'A' ('1'/'4') and 'C' ('5'/'8'); right 'B' ('2'/'3') and 'D' ('6'/'7').
        for (int q = 0; q < 2; ++q) {
            const char code = side == 0 ? (q == 0 ? 'A' : 'C') : (q == 0 ? 'B' : 'D');
            const int y = (centre(2 * q) + centre(2 * q + 1)) / 2;
            bouton(code, QStringLiteral("match%1").arg(QLatin1Char(code)), side == 0 ? xBtn2 : mirror(xBtn2, kBtnW),
                   y - kBtnH / 2);
            const int dx = side == 0 ? xDemi : mirror(xDemi, kFlagW);
            demis[code - 'A'] = creeDrapeau(QStringLiteral("im%1").arg(QLatin1Char(code)), dx, y - kFlagH / 2);
        }
        // Semi-finals: 'F' on the left, 'G' on the right.
        const char code = side == 0 ? 'F' : 'G';
        const int y = (centre(0) + centre(3)) / 2;
        bouton(code, side == 0 ? QStringLiteral("demi1") : QStringLiteral("demi2"),
               side == 0 ? xBtn3 : mirror(xBtn3, kBtnW), y - kBtnH / 2);
        finalistes[side] = creeDrapeau(side == 0 ? QStringLiteral("imF") : QStringLiteral("imG"),
                                       side == 0 ? xFinal : mirror(xFinal, kFlagW), y - 100);
    }

    const int yFinal = (centre(0) + centre(3)) / 2;
    auto *finale = cree<QPushButton>(this, "finale", kWidth / 2 - 40, yFinal - 30, 80, 80);
    finale->setIcon(QIcon(coupe()));
    finale->setIconSize(QSize(48, 56));
    finale->setToolTip(QStringLiteral("Final"));
    boutons[indexCode('Z')] = finale;
    scores[indexCode('Z')] = creeScore('Z', kWidth / 2 - 50, yFinal + 52, 100);
    // After the final the champion stands in the middle, under the cup.
    imChampion = creeDrapeau(QStringLiteral("imChampion"), kWidth / 2 - kFlagW / 2, yFinal + 78);
    nomChampion = m_noms.value(imChampion);
    nomChampion->setGeometry(kWidth / 2 - 110, yFinal + 78 + kFlagH + 2, 220, 24);
    nomChampion->setObjectName(QStringLiteral("nomChampion"));
    Apparence::policeGrasse(nomChampion, 18);

    petite_finale[0] = creeDrapeau(QStringLiteral("imT"), kWidth / 2 - 140, 12);
    petite_finale[1] = creeDrapeau(QStringLiteral("ImU"), kWidth / 2 + 140 - kFlagW, 12);
    boutons[indexCode('Y')] = cree<QPushButton>(this, "troisieme", kWidth / 2 - 85, 88, 170, 28,
                                                QStringLiteral("Third place game"));
    scores[indexCode('Y')] = creeScore('Y', kWidth / 2 + 90, 88, 70);
    scores[indexCode('Y')]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    scores[indexCode('Y')]->setFixedHeight(28);

    avert = cree<QLabel>(this, "avert", 10, kHeight - 44, 620, 28,
                         QStringLiteral("There are still games to be played in the first stage."));
    avert->setStyleSheet(QStringLiteral("color: #c00000;"));
    // Takes back the last knock-out match that no later round rests on.
    efface_tour2 = cree<QPushButton>(this, "efface_tour2", kWidth - 450, kHeight - 44, 186, 30,
                                     QStringLiteral("Delete last match"));
    bouton_bilan = cree<QPushButton>(this, "bouton_bilan", kWidth - 250, kHeight - 44, 110, 30,
                                     QStringLiteral("Rankings"));
    Retour = cree<QPushButton>(this, "Retour", kWidth - 126, kHeight - 44, 110, 30, QStringLiteral("Back"));

    for (int i = 0; i < kStage2MatchCount; ++i) {
        const char code = codes_tour2[i];
        connect(boutons[i], &QPushButton::clicked, this, [this, code] { ouvreMatch(code); });
    }
    connect(bouton_bilan, &QPushButton::clicked, this, &TForm2::bouton_bilanClick);
    connect(Retour, &QPushButton::clicked, this, &TForm2::RetourClick);
    connect(efface_tour2, &QPushButton::clicked, this, &TForm2::efface_tour2Click);

    Apparence::centre(this);
    Apparence::chargeIcone(this, main.dossier(), main.plateforme(), main.iconeLue());
    // Created at start: the qualifiers and the played knock-out matches are read now.
    Tournament &t = main.tournoi();
    main.signale(charge_qualifies(t, main.dossier()));
    main.signale(charge_tour2(t, main.dossier()));
}

QLabel *TForm2::creeDrapeau(const QString &name, int x, int y)
{
    auto *image = cree<QLabel>(this, "", x, y, kFlagW, kFlagH);
    image->setObjectName(name);
    // "imA1" is named "nomA1", "imChampion" "nomChampion".
    auto *nom = cree<QLabel>(this, "", x + kFlagW / 2 - kNomW / 2, y + kFlagH + 1, kNomW, kNomH - 1);
    nom->setObjectName(QStringLiteral("nom") + name.mid(2));
    nom->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Apparence::texteNom(nom);
    QFont font = nom->font();
    font.setPixelSize(11);
    nom->setFont(font);
    m_noms.insert(image, nom);
    return image;
}

QLabel *TForm2::creeScore(char code, int x, int y, int w)
{
    auto *label = cree<QLabel>(this, "", x, y, w, 16);
    label->setObjectName(QStringLiteral("score_") + boutons[indexCode(code)]->objectName());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

QLabel *TForm2::nom(const QLabel *image) const
{
    return m_noms.value(const_cast<QLabel *>(image));
}

QLabel *TForm2::score(char code) const
{
    const int i = indexCode(code);
    return i < 0 ? nullptr : scores[i];
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
    const int last = dernier_match_tour2(t);
    efface_tour2->setEnabled(last >= 0);
    Apparence::bulleNom(efface_tour2, last < 0 ? QString()
                                                : QStringLiteral("%1 - %2").arg(t.liste_tour2[size_t(last)].team1.text(),
                                                                                t.liste_tour2[size_t(last)].team2.text()));

    // Flags in slot order; a picture that cannot be read costs only its image.
    // Every flag carries its team's name, cut with "…" where it is too long
    // for its place and whole in the tooltip.
    const auto flag = [this](QLabel *image, const TEquipe *team) {
        const QString file = team ? team->flagFile() : QStringLiteral("defaut.bmp");
        Apparence::chargeImage(image, m_main.dossier(), file, &m_main.plateforme(), this);
        const QString name = team ? team->name.text() : QString();
        QLabel *caption = nom(image);
        caption->setText(caption->fontMetrics().elidedText(name, Qt::ElideRight, caption->width()));
        Apparence::bulleNom(caption, name);
        Apparence::bulleNom(image, name);
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

    // The stored score of every played match beside its button, first team
    // first as the bracket lists them; a knock-out score includes the kicks.
    for (int i = 0; i < kStage2MatchCount; ++i) {
        const TRencontre *match = match_tour2(t, codes_tour2[i]);
        if (!match) {
            scores[i]->clear();
            scores[i]->setToolTip(QString());
            continue;
        }
        scores[i]->setText(QStringLiteral("%1-%2").arg(match->score1).arg(match->score2));
        Apparence::bulleNom(scores[i], QStringLiteral("%1 %2-%3 %4")
                                           .arg(match->team1.text(), QString::number(match->score1),
                                                QString::number(match->score2), match->team2.text()));
    }

    // The champion in the middle once the final is played.
    imChampion->setVisible(t.champion != nullptr);
    nomChampion->setVisible(t.champion != nullptr);
    if (t.champion)
        flag(imChampion, t.champion);
    else
        imChampion->clear();
}

void TForm2::ouvreMatch(char code)
{
    Tournament &t = m_main.tournoi();
    const auto [team1, team2] = equipes_du_match(t, code);
    if (!team1 || !team2)
        return;
    t.code_match = code;
    hide();
    emit matchOuvert(team1->name.text(), team2->name.text());
}

void TForm2::efface_tour2Click()
{
    Tournament &t = m_main.tournoi();
    const int last = dernier_match_tour2(t);
    if (last < 0)
        return;
    // Deleting cannot be undone: the question names the match first.
    const TRencontre &m = t.liste_tour2[size_t(last)];
    Tconfirmation question(m_main, QStringLiteral("Delete last match ?"),
                           {QStringLiteral("The match of stage 2"), TForm1::texte_match(m),
                            QStringLiteral("will be deleted, and its goals taken back."), m_main.quandEcrit(),
                            QStringLiteral("Do you want to delete it ?")});
    if (!m_main.plateforme().demande(&question))
        return;
    const ResultatEffacement r = efface_match_tour2(t, m_main.sauveAuto(), m_main.dossier());
    if (!r.effectue())
        return;
    m_main.fenetres().bilans->hide();
    formShow();
    m_main.signale(r.save);
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
