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
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <QHBoxLayout>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/group/Ranking.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/knockout/Corrections.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/Anchors.h"
#include "tournament/ui/Look.h"
#include "tournament/ui/Platform.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/Tconfirmation.h"
#include "tournament/ui/Tbilans.h"
#include "tournament/ui/WindowPlaces.h"

using Look::make;

namespace {

constexpr int kFlagW = 78;
constexpr int kFlagH = 53;
constexpr int kNameH = 15;       // height of the name under a flag
constexpr int kNameW = kFlagW + 16; // a name may reach a little beyond its flag
constexpr int kBtnW = 60;
constexpr int kBtnH = 26;
constexpr int kWidth = 1200;     // the window's usual size
constexpr int kHeight = 770;
constexpr int kBarHeight = 44;   // the row of buttons under the bracket
// The key of the window's place in the places file.
const QString kPlaceKey = QStringLiteral("Form2");
constexpr int kTop = 128;       // top of the first pair of qualifiers
constexpr int kPairPitch = 150; // distance between two pairs of one column
constexpr int kPairH = 2 * (kFlagH + kNameH) + 2; // two flags with their names

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
        if (kStage2Codes[i] == code)
            return i;
    return -1;
}

} // namespace

TForm2::TForm2(TForm1 &main) : m_main(main)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Trophex 1.1  Stage 2"));
    Look::applyFont(this);
    resize(kWidth, kHeight);
    // The bracket is drawn on a panel of its own, which scrolls when the
    // window is smaller than the drawing and keeps it in the middle when larger.
    m_canvas = new QWidget(this);
    m_canvas->setObjectName(QStringLiteral("tableau"));
    m_canvas->resize(kWidth, kHeight - kBarHeight);

    // Column x of each flag and button, left half; the right half mirrors it.
    // Each flag's name runs kNameW wide, centred under the flag, so the
    // columns keep a few pixels between a name and the next button.
    const int xQualif = 16, xBtn1 = 110, xQuarter = 186, xBtn2 = 280, xSemi = 356, xBtn3 = 450, xFinal = 500;
    const auto mirror = [](int x, int w) { return kWidth - x - w; };
    const auto centreOnScreen = [](int pair) { return kTop + kPairPitch * pair + kPairH / 2; };
    // A match button with its score label right under it.
    const auto bouton = [this](char code, const QString &name, int x, int y) {
        QPushButton *b = make<QPushButton>(m_canvas, "", x, y, kBtnW, kBtnH, QStringLiteral("Score"));
        b->setObjectName(name);
        buttons[indexCode(code)] = b;
        scores[indexCode(code)] = makeScore(code, x - 10, y + kBtnH + 1, kBtnW + 20);
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
                qualifies[slot] = makeFlag(name, x, top + k * (kFlagH + kNameH + 2));
            }
            bouton(code, QStringLiteral("match%1").arg(QLatin1Char(code)), side == 0 ? xBtn1 : mirror(xBtn1, kBtnW),
                   centreOnScreen(pair) - kBtnH / 2);
            const int qx = side == 0 ? xQuarter : mirror(xQuarter, kFlagW);
            quarts[m] = makeFlag(QStringLiteral("im%1").arg(QLatin1Char(code)), qx, centreOnScreen(pair) - kFlagH / 2);
        }
        // Quarter-finals: left 'A' ('1'/'4') and 'C' ('5'/'8'); right 'B' ('2'/'3') and 'D' ('6'/'7').
        for (int q = 0; q < 2; ++q) {
            const char code = side == 0 ? (q == 0 ? 'A' : 'C') : (q == 0 ? 'B' : 'D');
            const int y = (centreOnScreen(2 * q) + centreOnScreen(2 * q + 1)) / 2;
            bouton(code, QStringLiteral("match%1").arg(QLatin1Char(code)), side == 0 ? xBtn2 : mirror(xBtn2, kBtnW),
                   y - kBtnH / 2);
            const int dx = side == 0 ? xSemi : mirror(xSemi, kFlagW);
            demis[code - 'A'] = makeFlag(QStringLiteral("im%1").arg(QLatin1Char(code)), dx, y - kFlagH / 2);
        }
        // Semi-finals: 'F' on the left, 'G' on the right.
        const char code = side == 0 ? 'F' : 'G';
        const int y = (centreOnScreen(0) + centreOnScreen(3)) / 2;
        bouton(code, side == 0 ? QStringLiteral("demi1") : QStringLiteral("demi2"),
               side == 0 ? xBtn3 : mirror(xBtn3, kBtnW), y - kBtnH / 2);
        finalistes[side] = makeFlag(side == 0 ? QStringLiteral("imF") : QStringLiteral("imG"),
                                       side == 0 ? xFinal : mirror(xFinal, kFlagW), y - 100);
    }

    const int yFinal = (centreOnScreen(0) + centreOnScreen(3)) / 2;
    auto *finale = make<QPushButton>(m_canvas, "finale", kWidth / 2 - 40, yFinal - 30, 80, 80);
    finale->setIcon(QIcon(coupe()));
    finale->setIconSize(QSize(48, 56));
    finale->setToolTip(QStringLiteral("Final"));
    buttons[indexCode('Z')] = finale;
    scores[indexCode('Z')] = makeScore('Z', kWidth / 2 - 50, yFinal + 52, 100);
    // After the final the champion stands in the middle, under the cup.
    imChampion = makeFlag(QStringLiteral("imChampion"), kWidth / 2 - kFlagW / 2, yFinal + 78);
    championName = m_names.value(imChampion);
    championName->setGeometry(kWidth / 2 - 110, yFinal + 78 + kFlagH + 2, 220, 24);
    championName->setObjectName(QStringLiteral("nomChampion"));
    Look::setBoldFont(championName, 18);

    petite_finale[0] = makeFlag(QStringLiteral("imT"), kWidth / 2 - 140, 12);
    petite_finale[1] = makeFlag(QStringLiteral("ImU"), kWidth / 2 + 140 - kFlagW, 12);
    buttons[indexCode('Y')] = make<QPushButton>(m_canvas, "troisieme", kWidth / 2 - 85, 88, 170, 28,
                                                QStringLiteral("Third place game"));
    scores[indexCode('Y')] = makeScore('Y', kWidth / 2 + 90, 88, 70);
    scores[indexCode('Y')]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    scores[indexCode('Y')]->setFixedHeight(28);

    centreDrawing();
    defilement = new QScrollArea(this);
    defilement->setObjectName(QStringLiteral("defilement"));
    defilement->setFrameShape(QFrame::NoFrame);
    defilement->setWidgetResizable(true);
    defilement->setWidget(m_canvas);

    // Under the bracket: the warning on the left, the buttons on the right,
    // each button at its place whether or not the others are shown.
    avert = new QLabel(QStringLiteral("There are still games to be played in the first stage."));
    avert->setObjectName(QStringLiteral("avert"));
    avert->setStyleSheet(QStringLiteral("color: #c00000;"));
    avert->setWordWrap(true);
    // Takes back the last knock-out match that no later round rests on.
    efface_tour2 = new QPushButton(QStringLiteral("Delete last match"));
    efface_tour2->setObjectName(QStringLiteral("efface_tour2"));
    efface_tour2->setFixedSize(186, 30);
    bouton_bilan = new QPushButton(QStringLiteral("Rankings"));
    bouton_bilan->setObjectName(QStringLiteral("bouton_bilan"));
    bouton_bilan->setFixedSize(110, 30);
    Retour = new QPushButton(QStringLiteral("Back"));
    Retour->setObjectName(QStringLiteral("Retour"));
    Retour->setFixedSize(110, 30);
    for (QWidget *w : {static_cast<QWidget *>(avert), static_cast<QWidget *>(bouton_bilan)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(10, 0, 16, kBarHeight - 30);
    bar->setSpacing(14);
    bar->addWidget(avert, 1);
    bar->addWidget(efface_tour2);
    bar->addWidget(bouton_bilan);
    bar->addWidget(Retour);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(defilement, 1);
    layout->addLayout(bar);

    for (int i = 0; i < kStage2MatchCount; ++i) {
        const char code = kStage2Codes[i];
        connect(buttons[i], &QPushButton::clicked, this, [this, code] { openMatchEntry(code); });
    }
    connect(bouton_bilan, &QPushButton::clicked, this, &TForm2::bouton_bilanClick);
    connect(Retour, &QPushButton::clicked, this, &TForm2::RetourClick);
    connect(efface_tour2, &QPushButton::clicked, this, &TForm2::efface_tour2Click);

    // Where the user left it, or at its usual size in the middle of the
    // screen, always inside the screen's free area.
    WindowPlaces::restore(this, kPlaceKey, QSize(kWidth, kHeight));
    Look::loadIcon(this, main.folder(), main.platform(), main.loadedIcon());
}

QLabel *TForm2::makeFlag(const QString &name, int x, int y)
{
    auto *image = make<QLabel>(m_canvas, "", x, y, kFlagW, kFlagH);
    image->setObjectName(name);
    // "imA1" is named "nomA1", "imChampion" "nomChampion".
    auto *nom = make<QLabel>(m_canvas, "", x + kFlagW / 2 - kNameW / 2, y + kFlagH + 1, kNameW, kNameH - 1);
    nom->setObjectName(QStringLiteral("nom") + name.mid(2));
    nom->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Look::plainNameLabel(nom);
    QFont font = nom->font();
    font.setPixelSize(11);
    nom->setFont(font);
    m_names.insert(image, nom);
    return image;
}

QLabel *TForm2::makeScore(char code, int x, int y, int w)
{
    auto *label = make<QLabel>(m_canvas, "", x, y, w, 16);
    label->setObjectName(QStringLiteral("score_") + buttons[indexCode(code)]->objectName());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

void TForm2::centreDrawing()
{
    // The drawing stays in the middle of its panel. Its panel never gets
    // smaller than the drawing itself (the scroll bars appear instead); the
    // margins round it are what the panel may lose first.
    const QSize design = m_canvas->size();
    const QRect drawing = m_canvas->childrenRect();
    const QPoint centre(design.width() / 2, design.height() / 2);
    m_canvas->setMinimumSize(2 * std::max(centre.x() - drawing.left(), drawing.right() + 1 - centre.x()),
                             2 * std::max(centre.y() - drawing.top(), drawing.bottom() + 1 - centre.y()));
    new Anchors(m_canvas, design, Anchors::Centre, Anchors::Centre);
}

QLabel *TForm2::nom(const QLabel *image) const
{
    return m_names.value(const_cast<QLabel *>(image));
}

QLabel *TForm2::score(char code) const
{
    const int i = indexCode(code);
    return i < 0 ? nullptr : scores[i];
}

QPushButton *TForm2::bouton(char code) const
{
    const int i = indexCode(code);
    return i < 0 ? nullptr : buttons[i];
}

void TForm2::showMain()
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
    if (!event->spontaneous()) {
        formShow();
        // The frame is known only once the window is up: then the title bar
        // is brought onto the screen as well.
        QTimer::singleShot(0, this, [this] { WindowPlaces::keepInside(this); });
    }
}

void TForm2::formShow()
{
    Tournament &t = m_main.tournament();
    deriveBracket(t);
    const ButtonStates state = buttonStates(t);
    avert->setVisible(state.avert);
    for (int i = 0; i < kStage2MatchCount; ++i)
        buttons[i]->setEnabled(state.enabled[i]);
    bouton_bilan->setVisible(state.bilan);
    const int last = lastStage2Match(t);
    efface_tour2->setEnabled(last >= 0);
    Look::plainToolTip(efface_tour2, last < 0 ? QString()
                                                : QStringLiteral("%1 - %2").arg(t.liste_tour2[size_t(last)].team1.text(),
                                                                                t.liste_tour2[size_t(last)].team2.text()));

    // Flags in slot order; a picture that cannot be read costs only its image.
    // Every flag carries its team's name, cut with "…" where it is too long
    // for its place and whole in the tooltip.
    const auto flag = [this](QLabel *image, const TEquipe *team) {
        const QString file = team ? team->flagFile() : QStringLiteral("defaut.bmp");
        Look::loadPicture(image, m_main.folder(), file, &m_main.platform(), this);
        const QString name = team ? team->name.text() : QString();
        QLabel *caption = nom(image);
        caption->setText(caption->fontMetrics().elidedText(name, Qt::ElideRight, caption->width()));
        Look::plainToolTip(caption, name);
        Look::plainToolTip(image, name);
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
        const TRencontre *match = stage2Match(t, kStage2Codes[i]);
        if (!match) {
            scores[i]->clear();
            scores[i]->setToolTip(QString());
            continue;
        }
        scores[i]->setText(QStringLiteral("%1-%2").arg(match->score1).arg(match->score2));
        Look::plainToolTip(scores[i], QStringLiteral("%1 %2-%3 %4")
                                           .arg(match->team1.text(), QString::number(match->score1),
                                                QString::number(match->score2), match->team2.text()));
    }

    // The champion in the middle once the final is played.
    imChampion->setVisible(t.champion != nullptr);
    championName->setVisible(t.champion != nullptr);
    if (t.champion)
        flag(imChampion, t.champion);
    else
        imChampion->clear();
}

void TForm2::openMatchEntry(char code)
{
    Tournament &t = m_main.tournament();
    const auto [team1, team2] = teamsOfMatch(t, code);
    if (!team1 || !team2)
        return;
    t.code_match = code;
    hide();
    emit openMatch(team1->name.text(), team2->name.text());
}

void TForm2::efface_tour2Click()
{
    Tournament &t = m_main.tournament();
    const int last = lastStage2Match(t);
    if (last < 0)
        return;
    // Deleting cannot be undone: the question names the match first.
    const TRencontre &m = t.liste_tour2[size_t(last)];
    Tconfirmation question(m_main, QStringLiteral("Delete last match ?"),
                           {QStringLiteral("The match of stage 2"), TForm1::matchText(m),
                            QStringLiteral("will be deleted, and its goals taken back."), m_main.whenWritten(),
                            QStringLiteral("Do you want to delete it ?")});
    if (!m_main.platform().ask(&question))
        return;
    const auto r = TournamentCommands::deleteStage2Match(t, m_main.autoSave(), m_main.folder());
    if (!r.done())
        return;
    if (Tbilans *rankings = m_main.dialogs().ifMade<Tbilans>())
        rankings->hide();
    formShow();
    m_main.reportResult(r.save);
}

void TForm2::bouton_bilanClick()
{
    m_main.dialogs().bilans()->show();
}

void TForm2::RetourClick()
{
    hide();
    m_main.tournament().phase2 = false;
    m_main.showMain();
}

void TForm2::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Hidden by the program ("Back", a match opened, the end), not minimised:
    // the place is kept for the next run.
    if (!event->spontaneous())
        WindowPlaces::save(this, kPlaceKey);
}

void TForm2::closeEvent(QCloseEvent *event)
{
    // The title bar does what "Back" does.
    QWidget::closeEvent(event);
    m_main.tournament().phase2 = false;
    m_main.showMain();
}
