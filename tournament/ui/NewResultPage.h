#pragma once

#include <memory>

#include <QWidget>

#include "tournament/group/ResultEntry.h"
#include "tournament/ui/KnockoutPartsFields.h"
#include "tournament/ui/PageContext.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

// "New Result": a match's score and scorers, as a group match or, in stage 2,
// the knock-out match opened on the bracket. The checks' answers go to the
// window, which shows the matching dialog.
class NewResultPage : public QWidget
{
    Q_OBJECT
public:
    explicit NewResultPage(PageContext &ctx, QWidget *parent = nullptr);
    // Ties the controls to the page's size; design is the page's size in the
    // window's usual size, where every control stays where it was put.
    void followSize(QSize design);

    QLabel *fond_resultat;
    QComboBox *lettre, *equipe1, *equipe2;
    QSpinBox *score1, *score2;
    // Stage 2 only: the score after extra time and the shoot-out, blank
    // (-1) for a part the match did not have; score1 and score2 are then
    // the score after 90 minutes.
    QLabel *aet, *pen;
    QSpinBox *extra1, *extra2, *kicks1, *kicks2;
    QListWidget *listeq1, *listeq2, *buteur1, *buteur2;
    QPushButton *but1, *but2, *enleve1, *enleve2, *Valider, *valider2, *back;

    // The page's values as the result checks read them.
    ResultEntry saisie() const;
    // Entering the page: empty for a group match, the opened match in stage 2.
    void entreeResultat();
    // Prepares the page for the stage-2 match between the two teams.
    void openMatchEntry(const QString &team1, const QString &team2);

    void lettreChange();
    void equipe1Change();
    void equipe2Change();
    void but1Click();
    void but2Click();
    void enleve1Click();
    void enleve2Click();
    void ValiderClick();
    void valider2Click();
    void backClick();

signals:
    // The answer of the group check (stage2 false) or the stage-2 check for entry.
    void checked(EntryAnswer answer, const ResultEntry &entry, bool stage2);
    // "Back": the bracket instead of this window.
    void backAsked();

private:
    PageContext &m_ctx;
    std::unique_ptr<KnockoutPartsFields> m_parts;
};
