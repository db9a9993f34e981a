#pragma once

#include <QList>
#include <QWidget>

#include "tournament/ui/PageContext.h"

class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QTableWidget;

// "Statistics": a team's squad with its goals and figures, and the best scorers.
class StatisticsPage : public QWidget
{
    Q_OBJECT
public:
    explicit StatisticsPage(PageContext &ctx, QWidget *parent = nullptr);
    // Ties the controls to the page's size; design is the page's size in the
    // window's usual size, where every control stays where it was put.
    void followSize(QSize design);

    QLabel *fond_stats;
    QComboBox *lettregrp, *nom_equipe;
    QTableWidget *effectif;
    QListWidget *buteurs;
    QLabel *Image;
    QProgressBar *points;
    QLabel *po_pris, *po_poss, *moy_buts;
    QList<QLabel *> teamLabels; // the team labels, shown and hidden together

    // Entering the page: no team chosen, the best scorers listed.
    void entreeStatistiques();
    void lettregrpChange();
    void nom_equipeChange();

private:
    void fillScorers();
    void showFigures(const TEquipe *team);
    void clearFigures();
    void showTeamLabels(bool visible);

    PageContext &m_ctx;
};
