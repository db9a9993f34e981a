#include "league/ui/TfrmAbout.h"

#include "league/ui/FormUtil.h"
#include "league/ui/ToolGlyphs.h"

#include <QLabel>
#include <QPushButton>

TfrmAbout::TfrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Info über Tabulon '98"));
    FormUtil::makeFixedDialog(this, 360, 250);
    setModal(true);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(toolGlyph(QStringLiteral("table")).pixmap(32, 32));
    icon->setGeometry(16, 16, 32, 32);

    auto *title = new QLabel(QStringLiteral("Tabulon '98"), this);
    title->setObjectName(QStringLiteral("lblTitel"));
    QFont tf(QStringLiteral("Arial"), 16);
    tf.setBold(true);
    title->setFont(tf);
    title->setGeometry(60, 14, 280, 30);

    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("lblText"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setText(QStringLiteral(
        "Ligaverwaltung für Fußballfans: Spieltage eintragen, Tabellen, Kreuztabelle und "
        "Fieberkurven ansehen, exportieren und drucken.\n\n"
        "Das Programm wird ohne jede Gewähr weitergegeben. Für Schäden, die aus seiner "
        "Benutzung entstehen, wird keine Haftung übernommen. Weitergabe und Benutzung sind "
        "kostenlos erlaubt, solange das Programm unverändert bleibt.\n\n"
        "Vereinsnamen in mitgelieferten Beispielligen sind frei erfunden."));
    text->setGeometry(16, 56, 328, 150);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("bbOK"));
    ok->setGeometry(135, 214, 90, 26);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
