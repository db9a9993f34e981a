#pragma once

#include <QWidget>

#include "tournament/ui/PageContext.h"

class QComboBox;
class QLabel;
class QTableWidget;
struct TGroupe;

// "Classifications": one group's table, chosen by its letter.
class ClassificationsPage : public QWidget
{
    Q_OBJECT
public:
    explicit ClassificationsPage(PageContext &ctx, QWidget *parent = nullptr);
    // Ties the controls to the page's size; design is the page's size in the
    // window's usual size, where every control stays where it was put.
    void followSize(QSize design);

    QLabel *fond_classement;
    QComboBox *lettre_groupe;
    QTableWidget *classement;

    // Entering the page: no group chosen, the table empty.
    void entreeClassement();
    void lettre_groupeChange();

private:
    void showClassification(const TGroupe *group);

    PageContext &m_ctx;
};
