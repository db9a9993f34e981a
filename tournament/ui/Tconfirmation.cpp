#include "tournament/ui/Tconfirmation.h"

#include <QLabel>
#include <QPushButton>

#include "tournament/ui/Apparence.h"

using Apparence::cree;

Tconfirmation::Tconfirmation(TForm1 &main, const QString &caption, const QStringList &lines)
{
    constexpr int kLine = 24;
    const int height = 16 + kLine * int(lines.size()) + 70;
    Apparence::prepareDialogue(this, main, "confirmation", caption, 470, qMax(height, 150));
    Apparence::mascotte(this, main, 12, 16);
    for (int i = 0; i < lines.size(); ++i)
        cree<QLabel>(this, qPrintable(QStringLiteral("Label%1").arg(i + 1)), 90, 12 + kLine * i, 370, kLine,
                     lines[i]);
    const int y = this->height() - 46;
    Oui = cree<QPushButton>(this, "Oui", 130, y, 90, 30, QStringLiteral("Yes"));
    Non = cree<QPushButton>(this, "Non", 250, y, 90, 30, QStringLiteral("No"));
    // Enter alone must not wipe anything.
    Oui->setAutoDefault(false);
    Non->setDefault(true);
    Non->setFocus();
    connect(Oui, &QPushButton::clicked, this, &QDialog::accept);
    connect(Non, &QPushButton::clicked, this, &QDialog::reject);
}
