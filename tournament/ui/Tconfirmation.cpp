#include "tournament/ui/Tconfirmation.h"

#include <QLabel>
#include <QPushButton>

#include "tournament/ui/Apparence.h"

using Apparence::cree;

Tconfirmation::Tconfirmation(TForm1 &main, const QString &caption, const QStringList &lines)
{
    constexpr int kLine = 24;
    const int height = 16 + kLine * int(lines.size()) + 70;
    // Wide enough for the longest line: a match of two 20-letter names is longer than the usual lines.
    Apparence::appliquePolice(this);
    int texte = 370;
    for (const QString &line : lines)
        texte = qMax(texte, fontMetrics().horizontalAdvance(line) + 8);
    Apparence::prepareDialogue(this, main, "confirmation", caption, 100 + texte, qMax(height, 150));
    Apparence::mascotte(this, main, 12, 16);
    // A line may hold team names, which are shown as they are.
    for (int i = 0; i < lines.size(); ++i)
        Apparence::texteNom(cree<QLabel>(this, qPrintable(QStringLiteral("Label%1").arg(i + 1)), 90,
                                         12 + kLine * i, texte, kLine, lines[i]));
    const int y = this->height() - 46;
    const int x = (width() - 210) / 2;
    Oui = cree<QPushButton>(this, "Oui", x, y, 90, 30, QStringLiteral("Yes"));
    Non = cree<QPushButton>(this, "Non", x + 120, y, 90, 30, QStringLiteral("No"));
    // Enter alone must not wipe anything.
    Oui->setAutoDefault(false);
    Non->setDefault(true);
    Non->setFocus();
    connect(Oui, &QPushButton::clicked, this, &QDialog::accept);
    connect(Non, &QPushButton::clicked, this, &QDialog::reject);
}
