#pragma once

#include <memory>

#include <QDialog>

#include "tournament/group/ResultEntry.h"
#include "tournament/ui/KnockoutPartsFields.h"
#include "tournament/ui/PageContext.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

// "Correct a result": a recorded match, group or knock-out, edited in place
// with its score (for a knock-out match also after extra time and the
// shoot-out) and its scorers. Before a correction that takes back later
// knock-out matches it asks, naming them.
class CorrectionDialog : public QDialog
{
    Q_OBJECT
public:
    CorrectionDialog(PageContext &ctx, QWidget *parent);

    QComboBox *match;                    // every recorded match, group ones first
    QSpinBox *score1, *score2;           // after 90 minutes
    QLabel *aet, *pen;
    QSpinBox *extra1, *extra2, *kicks1, *kicks2; // knock-out only; blank when the match had no such part
    QComboBox *squad1, *squad2;          // the players, and "csc" for an own goal
    QPushButton *add1, *add2, *remove1, *remove2;
    QListWidget *scorers1, *scorers2;    // one line per goal
    QLabel *info;                        // why a correction is refused
    QPushButton *correct, *cancel;

    // Opens on the group match `index` of liste_matchs (or the first match).
    void openOn(int index);
    // The entry the dialog holds, as the checks read it.
    ResultEntry entry() const;
    void matchChanged();
    void correctClick();

signals:
    // A correction was made: the pages show the tournament again. `what`
    // says what it did in a sentence.
    void corrected(const QString &what);

private:
    struct Chosen
    {
        char liste = 0; // 'G' or 'K'
        int index = -1; // into liste_matchs or liste_tour2
    };
    Chosen chosen() const;

    PageContext &m_ctx;
    std::unique_ptr<KnockoutPartsFields> m_parts;
};
