#pragma once

#include <QWidget>

#include "tournament/ui/PageContext.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

// "Welcome": the stage and file commands and the options. Resetting and
// saving are done here; starting stage 2, leaving and the backgrounds concern
// the whole window, which the page asks for through its signals.
class WelcomePage : public QWidget
{
    Q_OBJECT
public:
    explicit WelcomePage(PageContext &ctx, QWidget *parent = nullptr);
    // Ties the controls to the page's size; design is the page's size in the
    // window's usual size, where every control stays where it was put.
    void followSize(QSize design);

    QPushButton *tour2, *initialiser, *initTour2, *sauver, *Quitter;
    QGroupBox *Options;
    QCheckBox *Images, *sauve_auto;
    QLabel *mascot, *Label1;

    void initialiserClick();
    void initTour2Click();
    void sauverClick();

signals:
    void stage2Asked();
    void exitAsked();
    void picturesAsked();

private:
    PageContext &m_ctx;
};
