#pragma once

#include <QWidget>

#include "tournament/ui/PageContext.h"

class CorrectionDialog;
class QLabel;
class QPushButton;
class QTableWidget;

// "Played Matchs": the recorded group matches, and "Delete" to take one back.
class PlayedMatchesPage : public QWidget
{
    Q_OBJECT
public:
    explicit PlayedMatchesPage(PageContext &ctx, QWidget *parent = nullptr);
    // Ties the controls to the page's size; design is the page's size in the
    // window's usual size, where every control stays where it was put.
    void followSize(QSize design);

    QLabel *fond_matchs;
    QTableWidget *matchs_joues;
    QLabel *mjoues;
    QPushButton *efface;  // "Delete": takes the selected match back
    QLabel *efface_info;  // what the last "Delete" or "Correct" did
    QPushButton *corrige; // "Correct": edits the selected match, or any recorded one, in place
    CorrectionDialog *correction;

    // Fills the table from the recorded matches, none selected.
    void entreeMatchs();
    void effaceClick();
    void corrigeClick();

private:
    PageContext &m_ctx;
};
