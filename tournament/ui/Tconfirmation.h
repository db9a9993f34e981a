#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;
class TForm1;

// A question before a change that cannot be taken back ("Reset All",
// "Reset Stage 2"): what will be lost, and "Yes" / "No". "No", Escape and the
// title bar leave everything as it was.
class Tconfirmation : public QDialog
{
    Q_OBJECT
public:
    Tconfirmation(TForm1 &main, const QString &caption, const QStringList &lines);

    QPushButton *Oui, *Non;
};
