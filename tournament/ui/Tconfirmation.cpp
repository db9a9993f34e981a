#include "tournament/ui/Tconfirmation.h"

#include <QLabel>
#include <QPushButton>

#include "tournament/ui/Look.h"

using Look::make;

Tconfirmation::Tconfirmation(TForm1 &main, const QString &caption, const QStringList &lines)
{
    constexpr int kLine = 24;
    const int height = 16 + kLine * int(lines.size()) + 70;
    // Wide enough for the longest line: a match of two 20-letter names is longer than the usual lines.
    Look::applyFont(this);
    int text = 370;
    for (const QString &line : lines)
        text = qMax(text, fontMetrics().horizontalAdvance(line) + 8);
    Look::prepareDialog(this, main, "confirmation", caption, 100 + text, qMax(height, 150));
    Look::mascot(this, main, 12, 16);
    // A line may hold team names, which are shown as they are.
    for (int i = 0; i < lines.size(); ++i)
        Look::plainNameLabel(make<QLabel>(this, qPrintable(QStringLiteral("Label%1").arg(i + 1)), 90,
                                         12 + kLine * i, text, kLine, lines[i]));
    const int y = this->height() - 46;
    const int x = (width() - 210) / 2;
    Oui = make<QPushButton>(this, "Oui", x, y, 90, 30, QStringLiteral("Yes"));
    Non = make<QPushButton>(this, "Non", x + 120, y, 90, 30, QStringLiteral("No"));
    // Enter alone must not wipe anything.
    Oui->setAutoDefault(false);
    Non->setDefault(true);
    Non->setFocus();
    connect(Oui, &QPushButton::clicked, this, &QDialog::accept);
    connect(Non, &QPushButton::clicked, this, &QDialog::reject);
}
