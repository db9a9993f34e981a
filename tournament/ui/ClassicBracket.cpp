#include "tournament/ui/ClassicBracket.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "tournament/knockout/Bracket.h"
#include "tournament/model/Tournament.h"
#include "tournament/ui/Anchors.h"
#include "tournament/ui/Look.h"

using Look::make;

namespace {

constexpr int kFlagW = 78;
constexpr int kFlagH = 53;
constexpr int kNameH = 15;       // height of the name under a flag
constexpr int kNameW = kFlagW + 16; // a name may reach a little beyond its flag
constexpr int kBtnW = 60;
constexpr int kBtnH = 26;
constexpr int kWidth = ClassicBracket::kSize.width();
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

ClassicBracket::ClassicBracket(const QString &folder, Platform &platform, QWidget *parent)
    : QWidget(parent), m_folder(folder), m_platform(platform)
{
    setObjectName(QStringLiteral("tableau"));
    // The program's font first: the names under the flags are made smaller from it.
    Look::applyFont(this);
    resize(kSize);

    // Column x of each flag and button, left half; the right half mirrors it.
    // Each flag's name runs kNameW wide, centred under the flag, so the
    // columns keep a few pixels between a name and the next button.
    const int xQualif = 16, xBtn1 = 110, xQuarter = 186, xBtn2 = 280, xSemi = 356, xBtn3 = 450, xFinal = 500;
    const auto mirror = [](int x, int w) { return kWidth - x - w; };
    const auto centreOnScreen = [](int pair) { return kTop + kPairPitch * pair + kPairH / 2; };
    // A match button with its score label right under it.
    const auto bouton = [this](char code, const QString &name, int x, int y) {
        QPushButton *b = make<QPushButton>(this, "", x, y, kBtnW, kBtnH, QStringLiteral("Score"));
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
    auto *finale = make<QPushButton>(this, "finale", kWidth / 2 - 40, yFinal - 30, 80, 80);
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
    buttons[indexCode('Y')] = make<QPushButton>(this, "troisieme", kWidth / 2 - 85, 88, 170, 28,
                                                QStringLiteral("Third place game"));
    scores[indexCode('Y')] = makeScore('Y', kWidth / 2 + 90, 88, 70);
    scores[indexCode('Y')]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    scores[indexCode('Y')]->setFixedHeight(28);

    centreDrawing();
}

QLabel *ClassicBracket::makeFlag(const QString &name, int x, int y)
{
    auto *image = make<QLabel>(this, "", x, y, kFlagW, kFlagH);
    image->setObjectName(name);
    // "imA1" is named "nomA1", "imChampion" "nomChampion".
    auto *nom = make<QLabel>(this, "", x + kFlagW / 2 - kNameW / 2, y + kFlagH + 1, kNameW, kNameH - 1);
    nom->setObjectName(QStringLiteral("nom") + name.mid(2));
    nom->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Look::plainNameLabel(nom);
    QFont font = nom->font();
    font.setPixelSize(11);
    nom->setFont(font);
    m_names.insert(image, nom);
    return image;
}

QLabel *ClassicBracket::makeScore(char code, int x, int y, int w)
{
    auto *label = make<QLabel>(this, "", x, y, w, 16);
    label->setObjectName(QStringLiteral("score_") + buttons[indexCode(code)]->objectName());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

void ClassicBracket::centreDrawing()
{
    // The drawing stays in the middle of its panel. Its panel never gets
    // smaller than the drawing itself (the scroll bars appear instead); the
    // margins round it are what the panel may lose first.
    const QSize design = this->size();
    const QRect drawing = this->childrenRect();
    const QPoint centre(design.width() / 2, design.height() / 2);
    this->setMinimumSize(2 * std::max(centre.x() - drawing.left(), drawing.right() + 1 - centre.x()),
                             2 * std::max(centre.y() - drawing.top(), drawing.bottom() + 1 - centre.y()));
    new Anchors(this, design, Anchors::Centre, Anchors::Centre);
}

QLabel *ClassicBracket::nom(const QLabel *image) const
{
    return m_names.value(const_cast<QLabel *>(image));
}

QLabel *ClassicBracket::score(char code) const
{
    const int i = indexCode(code);
    return i < 0 ? nullptr : scores[i];
}

QPushButton *ClassicBracket::bouton(char code) const
{
    const int i = indexCode(code);
    return i < 0 ? nullptr : buttons[i];
}

void ClassicBracket::showTournament(const Tournament &t)
{
    // Flags in slot order; a picture that cannot be read costs only its image.
    // Every flag carries its team's name, cut with "…" where it is too long
    // for its place and whole in the tooltip.
    const auto flag = [this](QLabel *image, const TEquipe *team) {
        const QString file = team ? team->flagFile() : QStringLiteral("defaut.bmp");
        Look::loadPicture(image, m_folder, file, &m_platform, window());
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

