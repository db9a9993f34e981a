#include "tournament/ui/NewResultPage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "tournament/knockout/Bracket.h"
#include "tournament/model/Tournament.h"
#include "tournament/ui/Anchors.h"
#include "tournament/ui/Look.h"

using Look::make;

NewResultPage::NewResultPage(PageContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("NewResult"));
    fond_resultat = PageParts::fond(this, "fond_resultat");
    make<QLabel>(this, "Label5", 250, 8, 54, 26, QStringLiteral("Group"));
    lettre = PageParts::liste(this, "lettre", 306, 8, 60, PageParts::kLetters, PageParts::WithoutCompletion);
    equipe1 = PageParts::liste(this, "equipe1", 10, 42, 196);
    score1 = make<QSpinBox>(this, "score1", 250, 42, 56, 26);
    score2 = make<QSpinBox>(this, "score2", 340, 42, 56, 26);
    equipe2 = PageParts::liste(this, "equipe2", 440, 42, 196);
    for (QSpinBox *s : {score1, score2}) {
        s->setRange(0, 100);
        s->setValue(0);
    }
    make<QLabel>(this, "Label6", 312, 42, 22, 26, QStringLiteral("-"))->setAlignment(Qt::AlignCenter);
    m_parts = std::make_unique<KnockoutPartsFields>(score1, score2, KnockoutPartsFields::classic(), this);
    m_parts->placeRow(8, 440, 484);
    m_parts->setShown(false);
    m_parts->expose(aet, extra1, extra2, pen, kicks1, kicks2);

    listeq1 = make<QListWidget>(this, "listeq1", 10, 76, 150, 196);
    but1 = make<QPushButton>(this, "but1", 164, 130, 38, 28, QStringLiteral("->"));
    enleve1 = make<QPushButton>(this, "enleve1", 164, 170, 38, 28, QStringLiteral("<-"));
    make<QLabel>(this, "Label7", 206, 76, 116, 22, QStringLiteral("Goal(s) from"));
    buteur1 = make<QListWidget>(this, "buteur1", 206, 98, 116, 174);
    make<QLabel>(this, "Label8", 326, 76, 116, 22, QStringLiteral("Goal(s) from"));
    buteur2 = make<QListWidget>(this, "buteur2", 326, 98, 116, 174);
    but2 = make<QPushButton>(this, "but2", 446, 130, 38, 28, QStringLiteral("<-"));
    enleve2 = make<QPushButton>(this, "enleve2", 446, 170, 38, 28, QStringLiteral("->"));
    listeq2 = make<QListWidget>(this, "listeq2", 488, 76, 150, 196);

    Valider = make<QPushButton>(this, "Valider", 266, 280, 110, 30, QStringLiteral("Valider"));
    Valider->setEnabled(false);
    valider2 = make<QPushButton>(this, "valider2", 206, 280, 110, 30, QStringLiteral("Valider"));
    back = make<QPushButton>(this, "back", 326, 280, 110, 30, QStringLiteral("Retour"));
    back->hide();
    valider2->hide();

    // A drop-down "changes" when the user picks an item or types, never when
    // the program sets its text.
    const auto onChange = [this](QComboBox *box, void (NewResultPage::*handler)()) {
        connect(box, &QComboBox::textActivated, this, handler);
        connect(box->lineEdit(), &QLineEdit::textEdited, this, handler);
    };
    onChange(lettre, &NewResultPage::lettreChange);
    onChange(equipe1, &NewResultPage::equipe1Change);
    onChange(equipe2, &NewResultPage::equipe2Change);
    connect(but1, &QPushButton::clicked, this, &NewResultPage::but1Click);
    connect(but2, &QPushButton::clicked, this, &NewResultPage::but2Click);
    connect(enleve1, &QPushButton::clicked, this, &NewResultPage::enleve1Click);
    connect(enleve2, &QPushButton::clicked, this, &NewResultPage::enleve2Click);
    connect(Valider, &QPushButton::clicked, this, &NewResultPage::ValiderClick);
    connect(valider2, &QPushButton::clicked, this, &NewResultPage::valider2Click);
    connect(back, &QPushButton::clicked, this, &NewResultPage::backClick);
}

void NewResultPage::followSize(QSize design)
{
    // The squads and the scorers grow downwards; the buttons under them follow.
    auto *anchors = new Anchors(this, design, Anchors::Centre, Anchors::Stay);
    anchors->tie(fond_resultat, Anchors::Stretch, Anchors::Stretch);
    for (QWidget *list : {listeq1, buteur1, buteur2, listeq2})
        anchors->tie(list, Anchors::Centre, Anchors::Stretch);
    for (QWidget *button : {Valider, valider2, back})
        anchors->tie(button, Anchors::Centre, Anchors::Follow);
}

ResultEntry NewResultPage::saisie() const
{
    ResultEntry e;
    e.groupText = lettre->currentText();
    e.team1Text = equipe1->currentText();
    e.team2Text = equipe2->currentText();
    e.score1 = score1->value();
    e.score2 = score2->value();
    // In stage 2 the score is the one after 90 minutes; with extra time or
    // a shoot-out typed beside it, the match's stored score adds them up.
    if (m_ctx.tournament.phase2) {
        const TypedKnockoutResult typed = m_parts->result();
        e.parts = typed.parts;
        e.score1 = typed.score1;
        e.score2 = typed.score2;
    }
    for (int i = 0; i < buteur1->count(); ++i)
        e.scorers1 << buteur1->item(i)->text();
    for (int i = 0; i < buteur2->count(); ++i)
        e.scorers2 << buteur2->item(i)->text();
    return e;
}

void NewResultPage::openMatchEntry(const QString &team1, const QString &team2)
{
    lettre->setEditText(QString());
    for (QListWidget *list : {listeq1, listeq2, buteur1, buteur2})
        list->clear();
    score1->setValue(0);
    score2->setValue(0);
    m_parts->clear();
    equipe1->setEditText(team1);
    equipe2->setEditText(team2);
}

void NewResultPage::entreeResultat()
{
    lettre->setEditText(QString());
    listeq1->clear();
    listeq2->clear();
    buteur1->clear();
    buteur2->clear();
    // Emptying the items of a drop-down also empties its text, so the team
    // texts that stage 2 keeps are put back.
    const QString text1 = equipe1->currentText();
    const QString text2 = equipe2->currentText();
    equipe1->clear();
    equipe2->clear();
    score1->setValue(0);
    score2->setValue(0);
    m_parts->clear();
    Valider->setEnabled(false);
    if (!m_ctx.tournament.phase2) {
        Valider->show();
        valider2->hide();
        back->hide();
        m_parts->setShown(false);
        for (QComboBox *box : {lettre, equipe1, equipe2})
            box->setEnabled(true);
        equipe1->setEditText(QString());
        equipe2->setEditText(QString());
        return;
    }
    equipe1->setEditText(text1);
    equipe2->setEditText(text2);
    valider2->show();
    back->show();
    Valider->hide();
    for (QComboBox *box : {lettre, equipe1, equipe2})
        box->setEnabled(false);
    m_parts->setShown(true);
    PageParts::fillSquad(listeq1, m_ctx.tournament.cherche_equipe(text1));
    PageParts::fillSquad(listeq2, m_ctx.tournament.cherche_equipe(text2));
}

void NewResultPage::lettreChange()
{
    equipe1->clear();
    equipe2->clear();
    listeq1->clear();
    listeq2->clear();
    buteur1->clear();
    buteur2->clear();
    score1->setValue(0);
    score2->setValue(0);
    m_parts->clear();
    equipe1->setEditText(QString());
    equipe2->setEditText(QString());
    const TGroupe *group = m_ctx.tournament.findGroup(lettre->currentText());
    if (!group) {
        lettre->setEditText(QString());
        return;
    }
    Valider->setEnabled(true);
    for (const auto &team : group->teams) {
        equipe1->addItem(team->name.text());
        equipe2->addItem(team->name.text());
    }
    equipe1->setCurrentIndex(group->teams.size() > 0 ? 0 : -1);
    equipe2->setCurrentIndex(group->teams.size() > 1 ? 1 : -1);
    PageParts::fillSquad(listeq1, group->teams.size() > 0 ? group->teams[0].get() : nullptr);
    PageParts::fillSquad(listeq2, group->teams.size() > 1 ? group->teams[1].get() : nullptr);
}

void NewResultPage::equipe1Change()
{
    listeq1->clear();
    buteur1->clear();
    buteur2->clear();
    score1->setValue(0);
    score2->setValue(0);
    m_parts->clear();
    PageParts::fillSquad(listeq1, PageParts::teamOfGroup(m_ctx.tournament, lettre->currentText(), equipe1->currentText()));
}

void NewResultPage::equipe2Change()
{
    listeq2->clear();
    buteur1->clear();
    buteur2->clear();
    score1->setValue(0);
    score2->setValue(0);
    m_parts->clear();
    PageParts::fillSquad(listeq2, PageParts::teamOfGroup(m_ctx.tournament, lettre->currentText(), equipe2->currentText()));
}

void NewResultPage::but1Click()
{
    const QList<QListWidgetItem *> selected = listeq1->selectedItems();
    if (selected.size() == 1)
        buteur1->addItem(selected.front()->text());
}

void NewResultPage::but2Click()
{
    const QList<QListWidgetItem *> selected = listeq2->selectedItems();
    if (selected.size() == 1)
        buteur2->addItem(selected.front()->text());
}

void NewResultPage::enleve1Click()
{
    const QList<QListWidgetItem *> selected = buteur1->selectedItems();
    if (selected.size() == 1)
        delete buteur1->takeItem(buteur1->row(selected.front()));
}

void NewResultPage::enleve2Click()
{
    const QList<QListWidgetItem *> selected = buteur2->selectedItems();
    if (selected.size() == 1)
        delete buteur2->takeItem(buteur2->row(selected.front()));
}

void NewResultPage::ValiderClick()
{
    const ResultEntry entry = saisie();
    emit checked(checkGroupEntry(m_ctx.tournament, entry), entry, false);
}

void NewResultPage::valider2Click()
{
    const ResultEntry entry = saisie();
    emit checked(checkStage2Entry(m_ctx.tournament, entry), entry, true);
}

void NewResultPage::backClick()
{
    emit backAsked();
}
