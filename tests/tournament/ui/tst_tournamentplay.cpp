#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <map>

#include "fixture_helper.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/TForm2.h"
#include "tournament/ui/TForm3.h"
#include "tournament/ui/TQuitterdlg.h"
#include "tournament/ui/TabbedNotebook.h"
#include "tournament/ui/Tbilans.h"
#include "tournament/ui/Tchampion_du_monde.h"
#include "tournament/ui/Tcontre_camp.h"
#include "tournament/ui/Tdeja_lieu.h"
#include "tournament/ui/Tmatch_nul.h"
#include "tournament/ui/Tsaisie_inco.h"
#include "tournament/ui/Tvalidation.h"

// A whole tournament played through the windows, as a user would: every group
// result with its scorers, a drawing of lots, the knock-out stage with a match
// decided on penalty kicks, the closing windows, then the files and a restart.
using Fixture::chooses;

class TstTournamentPlay : public QObject
{
    Q_OBJECT

private slots:
    void playWholeTournament();

private:
    using Session = Fixture::Session;

    static void photo(const char *name);
    static void addScorer(QListWidget *squad, QPushButton *add, int player);
    void playGroup(TForm1 &f, char group, int i1, int i2, int s1, int s2, bool ownGoal = false);
    void playStage2Match(TForm1 &f, char code, int s1, int s2, int lines1 = -1, int lines2 = -1);

    // Goals the test credited, by player name: what the files must hold afterwards.
    std::map<QByteArray, int> m_goals;
    QByteArray m_matches;
    QByteArray m_stage2;
};

// With TROPHEX_SHOTS naming a folder, the screen is saved there at the main
// steps, for looking at the windows when the test runs on a real display.
void TstTournamentPlay::photo(const char *name)
{
    const QString dir = qEnvironmentVariable("TROPHEX_SHOTS");
    if (dir.isEmpty())
        return;
    QTest::qWait(300);
    QGuiApplication::primaryScreen()->grabWindow(0).save(dir + QLatin1Char('/') + QLatin1String(name) + ".png");
}

void TstTournamentPlay::addScorer(QListWidget *squad, QPushButton *add, int player)
{
    squad->setCurrentRow(player);
    add->click();
}

// Group match between teams i1 and i2 of a group (file numbering); every goal
// is scored by the team's striker. With ownGoal, one goal of the first team gets
// no scorer line and the own-goal dialog must take the entry on to confirmation.
void TstTournamentPlay::playGroup(TForm1 &f, char group, int i1, int i2, int s1, int s2, bool ownGoal)
{
    const QByteArray t1 = Fixture::teamName(group, i1), t2 = Fixture::teamName(group, i2);
    chooses(f.newResultPage()->lettre, QString(QLatin1Char(group)));
    chooses(f.newResultPage()->equipe1, QString::fromLatin1(t1));
    chooses(f.newResultPage()->equipe2, QString::fromLatin1(t2));
    f.newResultPage()->score1->setValue(s1);
    f.newResultPage()->score2->setValue(s2);
    const int lines1 = ownGoal ? s1 - 1 : s1, lines2 = s2;
    for (int k = 0; k < lines1; ++k)
        addScorer(f.newResultPage()->listeq1, f.newResultPage()->but1, 0);
    for (int k = 0; k < lines2; ++k)
        addScorer(f.newResultPage()->listeq2, f.newResultPage()->but2, 0);
    f.newResultPage()->Valider->click();
    DialogSet &w = f.dialogs();
    if (ownGoal) {
        QVERIFY(w.contre_camp()->isVisible());
        QVERIFY(!w.contre_camp()->penalty->isVisible());
        w.contre_camp()->OKBtn->click();
        QVERIFY(!w.contre_camp()->isVisible());
    }
    QVERIFY(w.validation()->isVisible());
    QCOMPARE(w.validation()->Label1->text(), QStringLiteral("In group"));
    QCOMPARE(w.validation()->equipe1->text(), QString::fromLatin1(t1));
    QCOMPARE(w.validation()->score2->text(), QString::number(s2));
    w.validation()->OKBtn->click();
    QVERIFY(!w.validation()->isVisible());
    m_goals["Striker " + t1.right(2)] += lines1;
    m_goals["Striker " + t2.right(2)] += lines2;
    m_matches += Bytes::match(group, t1, t2, s1, s2);
}

// Knock-out match: opened from the bracket's button, entered on the main
// window; lines default to one striker line per goal.
void TstTournamentPlay::playStage2Match(TForm1 &f, char code, int s1, int s2, int lines1, int lines2)
{
    DialogSet &w = f.dialogs();
    QVERIFY(w.Form2()->isVisible());
    QPushButton *button = w.Form2()->bouton(code);
    QVERIFY2(button->isEnabled(), &code);
    button->click();
    QVERIFY(!w.Form2()->isVisible());
    QVERIFY(f.isVisible());
    QCOMPARE(f.TabbedNotebook1->pageIndex(), int(TForm1::NewResult));
    QVERIFY(f.newResultPage()->valider2->isVisible() && f.newResultPage()->back->isVisible() && !f.newResultPage()->Valider->isVisible());
    QVERIFY(!f.newResultPage()->equipe1->isEnabled());
    const QByteArray t1 = f.newResultPage()->equipe1->currentText().toLatin1(), t2 = f.newResultPage()->equipe2->currentText().toLatin1();
    f.newResultPage()->score1->setValue(s1);
    f.newResultPage()->score2->setValue(s2);
    if (lines1 < 0)
        lines1 = s1;
    if (lines2 < 0)
        lines2 = s2;
    for (int k = 0; k < lines1; ++k)
        addScorer(f.newResultPage()->listeq1, f.newResultPage()->but1, 0);
    for (int k = 0; k < lines2; ++k)
        addScorer(f.newResultPage()->listeq2, f.newResultPage()->but2, 0);
    f.newResultPage()->valider2->click();
    if (lines1 < s1 || lines2 < s2) {
        QVERIFY(w.contre_camp()->isVisible());
        photo("12-own-goal-stage2");
        QVERIFY(w.contre_camp()->penalty->isVisible());
        w.contre_camp()->OKBtn->click();
    }
    QVERIFY(w.validation()->isVisible());
    if (code == 'F')
        photo("14-confirm-stage2");
    QCOMPARE(w.validation()->Label1->text(), QStringLiteral("Stage 2"));
    w.validation()->OKBtn->click();
    QVERIFY(!f.isVisible());
    m_goals["Striker " + t1.right(2)] += lines1;
    m_goals["Striker " + t2.right(2)] += lines2;
    m_stage2 += Bytes::match(code, t1, t2, s1, s2);
}

void TstTournamentPlay::playWholeTournament()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString dir = tmp.path();
    Fixture::prepare(dir);

    {
        Session s(dir);
        TForm1 &f = s.form;
        DialogSet &w = f.dialogs();
        photo("01-welcome");
        QVERIFY(f.isEnabled());
        QVERIFY(s.platform.messages.isEmpty());
        QVERIFY(f.TabbedNotebook1->setPageIndex(TForm1::NewResult));

        // Group A: the first two teams end level in every respect and drew
        // their match, so only lots can separate them.
        playGroup(f, 'A', 0, 1, 1, 1);
        playGroup(f, 'A', 2, 3, 0, 0);
        playGroup(f, 'A', 0, 2, 2, 0);
        playGroup(f, 'A', 1, 3, 1, 0);
        playGroup(f, 'A', 0, 3, 1, 0);
        playGroup(f, 'A', 1, 2, 2, 0);
        photo("02-new-result");

        // The same pair again, in the other order: refused as already recorded.
        chooses(f.newResultPage()->lettre, QStringLiteral("A"));
        chooses(f.newResultPage()->equipe1, QStringLiteral("Team A2"));
        chooses(f.newResultPage()->equipe2, QStringLiteral("Team A1"));
        f.newResultPage()->Valider->click();
        QVERIFY(w.deja_lieu()->isVisible());
        photo("03-already-recorded");
        QCOMPARE(w.deja_lieu()->equipe1->text(), QStringLiteral("Team A2"));
        QCOMPARE(w.deja_lieu()->equipe2->text(), QStringLiteral("Team A1"));
        QVERIFY(!w.validation()->isVisible());
        w.deja_lieu()->OKBtn->click();

        // Two scorer lines for one goal: wrong entries.
        chooses(f.newResultPage()->lettre, QStringLiteral("B"));
        f.newResultPage()->score1->setValue(1);
        addScorer(f.newResultPage()->listeq1, f.newResultPage()->but1, 0);
        addScorer(f.newResultPage()->listeq1, f.newResultPage()->but1, 1);
        f.newResultPage()->Valider->click();
        QVERIFY(w.saisie_inco()->isVisible());
        photo("04-wrong-entries");
        QVERIFY(!w.validation()->isVisible() && !w.contre_camp()->isVisible());
        w.saisie_inco()->OKBtn->click();
        QCOMPARE(int(f.tournament().liste_matchs.size()), 6);

        // Every other group: the teams finish in file order.
        for (char g = 'B'; g <= 'H'; ++g) {
            playGroup(f, g, 0, 1, 2, 1, g == 'B');
            playGroup(f, g, 2, 3, 1, 0);
            playGroup(f, g, 0, 2, 2, 0);
            playGroup(f, g, 1, 3, 3, 1);
            playGroup(f, g, 0, 3, 1, 0);
            playGroup(f, g, 1, 2, 2, 1);
        }
        QCOMPARE(int(f.tournament().liste_matchs.size()), 48);
        QVERIFY(f.tournament().modifie);
        if (!qEnvironmentVariableIsEmpty("TROPHEX_SHOTS")) {
            f.TabbedNotebook1->tab(TForm1::EditTeam)->click();
            chooses(f.editTeamPage()->groupe, QStringLiteral("B"));
            photo("05-edit-team");
            f.TabbedNotebook1->tab(TForm1::Statistics)->click();
            chooses(f.statisticsPage()->lettregrp, QStringLiteral("A"));
            photo("06-statistics");
            f.TabbedNotebook1->tab(TForm1::AboutTheAuthor)->click();
            photo("07-about");
        }

        // All group matches are in: the entry page can no longer be chosen.
        QVERIFY(f.TabbedNotebook1->setPageIndex(TForm1::PlayedMatchs));
        QCOMPARE(f.playedMatchesPage()->mjoues->text(), QStringLiteral("All the matchs have been played."));
        QCOMPARE(f.playedMatchesPage()->matchs_joues->item(48, 1)->text(), QStringLiteral("Team H2"));
        photo("08-played-matchs");
        f.TabbedNotebook1->tab(TForm1::NewResult)->click();
        QCOMPARE(f.TabbedNotebook1->pageIndex(), int(TForm1::PlayedMatchs));

        f.TabbedNotebook1->tab(TForm1::Classifications)->click();
        chooses(f.classificationsPage()->lettre_groupe, QStringLiteral("A"));
        const QStringList expectedA = {"Team A1", "Team A2", "Team A4", "Team A3"};
        for (int r = 0; r < 4; ++r)
            QCOMPARE(f.classificationsPage()->classement->item(r + 1, 0)->text(), expectedA[r]);
        QCOMPARE(f.classificationsPage()->classement->item(1, 2)->text(), QStringLiteral("7"));
        QCOMPARE(f.classificationsPage()->classement->item(2, 2)->text(), QStringLiteral("7"));
        photo("09-classifications");

        // "Start Stage 2": group A's two places go to the drawing of lots.
        f.TabbedNotebook1->tab(TForm1::Welcome)->click();
        f.welcomePage()->tour2->click();
        QVERIFY(!f.isVisible());
        QVERIFY(w.Form3()->isVisible());
        QCOMPARE(w.Form3()->groupe->text(), QStringLiteral("A"));
        QCOMPARE(w.Form3()->position->text(), QStringLiteral("premier"));
        QCOMPARE(w.Form3()->equipes->count(), 2);
        photo("10-drawing-lots");
        w.Form3()->BitBtn1->click(); // nothing chosen: nothing happens
        QVERIFY(w.Form3()->isVisible());
        w.Form3()->equipes->setCurrentRow(1); // "Team A2" wins the draw
        QCOMPARE(w.Form3()->equipes->currentItem()->text(), QStringLiteral("Team A2"));
        w.Form3()->BitBtn1->click();
        QVERIFY(!w.Form3()->isVisible());
        QVERIFY(w.Form2()->isVisible());
        QVERIFY(f.tournament().phase2);
        QVERIFY(f.tournament().qualif_a_ecrire);
        QVERIFY(!w.Form2()->avert->isVisible());
        QVERIFY(!w.Form2()->bouton_bilan->isVisible());
        QVERIFY(!w.Form2()->bouton('A')->isEnabled());
        QVERIFY(!w.Form2()->qualifies[0]->pixmap().isNull());

        // The title bar cannot close the main window during stage 2.
        f.show();
        QVERIFY(!f.close());
        f.hide();

        // Round of 16. Match '1' ends level: the penalty dialog; then the
        // score after penalty kicks, with the kicks credited to nobody.
        w.Form2()->bouton('1')->click();
        f.newResultPage()->score1->setValue(1);
        f.newResultPage()->score2->setValue(1);
        addScorer(f.newResultPage()->listeq1, f.newResultPage()->but1, 0);
        addScorer(f.newResultPage()->listeq2, f.newResultPage()->but2, 0);
        f.newResultPage()->valider2->click();
        QVERIFY(w.match_nul()->isVisible());
        photo("11-penalties");
        QVERIFY(!w.validation()->isVisible());
        w.match_nul()->OKBtn->click();
        f.newResultPage()->back->click();
        QVERIFY(w.Form2()->isVisible());
        playStage2Match(f, '1', 5, 4, 1, 1);
        QVERIFY(w.Form2()->isVisible());
        QVERIFY(!w.Form2()->bouton('1')->isEnabled());
        QVERIFY(!w.Form2()->quarts[0]->pixmap().isNull());
        for (char code : {'2', '3', '4', '5', '6', '7', '8'})
            playStage2Match(f, code, 1, 0);
        // Every flag carries its team's name, every played match its stored
        // score (the penalty kicks included), in the bracket's team order.
        TForm2 &bracket = *w.Form2();
        QCOMPARE(bracket.nom(bracket.qualifies[0])->text(), QStringLiteral("Team A2"));
        QCOMPARE(bracket.qualifies[0]->toolTip(), QStringLiteral("Team A2"));
        QCOMPARE(bracket.nom(bracket.qualifies[3])->text(), QStringLiteral("Team B2"));
        QCOMPARE(bracket.nom(bracket.quarts[0])->text(), QStringLiteral("Team A2"));
        QCOMPARE(bracket.findChild<QLabel *>(QStringLiteral("nomA1")), bracket.nom(bracket.qualifies[0]));
        QCOMPARE(bracket.score('1')->text(), QStringLiteral("5-4"));
        QCOMPARE(bracket.score('1')->toolTip(), QStringLiteral("Team A2 5-4 Team B2"));
        QCOMPARE(bracket.score('8')->text(), QStringLiteral("1-0"));
        QVERIFY(bracket.score('A')->text().isEmpty());
        QVERIFY(bracket.nom(bracket.demis[0])->text().isEmpty());
        QVERIFY(!bracket.imChampion->isVisible());
        photo("15a-bracket-round-of-16");

        // The same pair a second time is refused.
        w.Form2()->bouton('A')->click();
        f.newResultPage()->equipe1->setEditText(QStringLiteral("Team A2"));
        f.newResultPage()->equipe2->setEditText(QStringLiteral("Team B2"));
        f.newResultPage()->valider2->click();
        QVERIFY(w.deja_lieu()->isVisible());
        w.deja_lieu()->CancelBtn->click();
        f.newResultPage()->back->click();

        playStage2Match(f, 'A', 2, 0);
        playStage2Match(f, 'B', 1, 0);
        playStage2Match(f, 'C', 1, 0);
        playStage2Match(f, 'D', 1, 0);
        playStage2Match(f, 'F', 2, 1);
        playStage2Match(f, 'G', 0, 1);
        QVERIFY(w.Form2()->bouton('Z')->isEnabled() && w.Form2()->bouton('Y')->isEnabled());
        photo("15-knock-out");

        // The final before the third-place match: the champion screen, whose
        // OK goes back to the bracket while the third place is open.
        playStage2Match(f, 'Z', 1, 2);
        Tchampion_du_monde &champion = *w.champion_du_monde();
        QVERIFY(champion.isVisible());
        QVERIFY(!w.Form2()->isVisible());
        QCOMPARE(champion.nom->text(), QStringLiteral("Team F1"));
        QVERIFY(champion.Timerchampion->isActive());
        QCOMPARE(champion.Timerchampion->interval(), 500);
        champion.TimerchampionTimer();
        for (QLabel *image : champion.images)
            QVERIFY(!image->pixmap().isNull());
        photo("16-champion");
        champion.TimerchampionTimer();
        for (QLabel *image : champion.images)
            QVERIFY(image->pixmap().isNull());
        champion.OK->click();
        QVERIFY(!champion.Timerchampion->isActive());
        QVERIFY(w.Form2()->isVisible());
        QVERIFY(!w.bilans()->isVisible());
        // The champion stands in the middle of the bracket.
        QVERIFY(bracket.imChampion->isVisible() && !bracket.imChampion->pixmap().isNull());
        QCOMPARE(bracket.championName->text(), QStringLiteral("Team F1"));
        QCOMPARE(bracket.score('Z')->text(), QStringLiteral("1-2"));
        QVERIFY(bracket.score('Y')->text().isEmpty());

        playStage2Match(f, 'Y', 3, 0);
        QCOMPARE(bracket.score('Y')->text(), QStringLiteral("3-0"));
        QVERIFY(w.Form2()->isVisible());
        QVERIFY(w.bilans()->isVisible());
        QVERIFY(w.Form2()->bouton_bilan->isVisible());
        QCOMPARE(w.bilans()->premier->text(), QStringLiteral("1-Team F1"));
        QCOMPARE(w.bilans()->second->text(), QStringLiteral("2-Team A2"));
        QCOMPARE(w.bilans()->troisieme->text(), QStringLiteral("3-Team E1"));
        QCOMPARE(w.bilans()->quatrieme->text(), QStringLiteral("4-Team B1"));
        // Eleven for E1's striker, ten for A2's and F1's (the later one in
        // group order first), seven for B2's.
        const QStringList scorers = {"Striker E1(Team E1) 11", "Striker F1(Team F1) 10",
                                     "Striker A2(Team A2) 10", "Striker B2(Team B2) 7"};
        photo("17-rankings");
        QCOMPARE(w.bilans()->buteurs->count(), scorers.size());
        for (int i = 0; i < scorers.size(); ++i)
            QCOMPARE(w.bilans()->buteurs->item(i)->text(), scorers[i]);
        w.bilans()->Button1->click();
        QVERIFY(w.Form2()->isVisible());
        photo("16b-bracket-after-final");

        // Back to the main window and save.
        w.Form2()->Retour->click();
        QVERIFY(!f.tournament().phase2);
        QVERIFY(f.isVisible());
        QCOMPARE(f.TabbedNotebook1->pageIndex(), int(TForm1::Welcome));
        f.welcomePage()->Quitter->click();
        photo("18-exit");
        w.Quitterdlg()->hide();
        f.show();
        f.welcomePage()->sauver->click();
        QVERIFY(!f.tournament().modifie);
        QVERIFY(s.platform.messages.isEmpty());
    }

    // The eleven files, byte for byte.
    const QDir d(dir);
    QCOMPARE(Fixture::lit(d.filePath("matchs.dat")), m_matches);
    QCOMPARE(Fixture::lit(d.filePath("tour2.dat")), m_stage2);
    QByteArray qualif;
    for (char g = 'A'; g <= 'H'; ++g) {
        const bool a = g == 'A'; // the drawing put the second team first
        qualif += Bytes::nom(Fixture::teamName(g, a ? 1 : 0));
        qualif += Bytes::nom(Fixture::teamName(g, a ? 0 : 1));
    }
    QCOMPARE(Fixture::lit(d.filePath("qualif.dat")), qualif);
    struct Line { int index, points, goalsFor, goalsAgainst; };
    const Line groupA[4] = {{0, 7, 4, 1}, {1, 7, 4, 1}, {3, 1, 0, 2}, {2, 1, 0, 4}};
    const Line others[4] = {{0, 9, 5, 1}, {1, 6, 6, 4}, {2, 3, 2, 4}, {3, 0, 1, 5}};
    for (char g = 'A'; g <= 'H'; ++g) {
        QByteArray expected;
        for (const Line &l : g == 'A' ? groupA : others) {
            const QByteArray name = Fixture::teamName(g, l.index);
            expected += Bytes::equipe(name, 3, l.points, l.goalsFor, l.goalsAgainst, Fixture::flagBytes(g, l.index),
                                       Fixture::squad(g, l.index, m_goals["Striker " + name.right(2)]));
        }
        QCOMPARE(Fixture::lit(d.filePath(QStringLiteral("groupe%1.dat").arg(QLatin1Char(g)))), expected);
    }

    // A fresh start shows the same standings, bracket and scorers.
    Session s(dir);
    TForm1 &f = s.form;
    DialogSet &w = f.dialogs();
    f.TabbedNotebook1->tab(TForm1::Classifications)->click();
    chooses(f.classificationsPage()->lettre_groupe, QStringLiteral("A"));
    QCOMPARE(f.classificationsPage()->classement->item(3, 0)->text(), QStringLiteral("Team A4"));
    chooses(f.classificationsPage()->lettre_groupe, QStringLiteral("C"));
    QCOMPARE(f.classificationsPage()->classement->item(2, 0)->text(), QStringLiteral("Team C2"));
    QCOMPARE(f.classificationsPage()->classement->item(2, 4)->text(), QStringLiteral("4"));

    f.TabbedNotebook1->tab(TForm1::Statistics)->click();
    QCOMPARE(f.statisticsPage()->buteurs->count(), 4);
    QCOMPARE(f.statisticsPage()->buteurs->item(0)->text(), QStringLiteral("Striker E1(Team E1) 11"));
    QCOMPARE(f.statisticsPage()->buteurs->item(3)->text(), QStringLiteral("Striker B2(Team B2) 7"));
    chooses(f.statisticsPage()->lettregrp, QStringLiteral("E"));
    QCOMPARE(f.statisticsPage()->effectif->item(1, 0)->text(), QStringLiteral("Striker E1"));
    QCOMPARE(f.statisticsPage()->effectif->item(1, 1)->text(), QStringLiteral("11"));
    QCOMPARE(f.statisticsPage()->effectif->item(2, 0)->text(), QString::fromLatin1("Zo\xe9 E1"));
    QCOMPARE(f.statisticsPage()->points->value(), 100);
    QCOMPARE(f.statisticsPage()->po_pris->text(), QStringLiteral("9"));
    QCOMPARE(f.statisticsPage()->po_poss->text(), QStringLiteral("9"));
    // 5 group goals and 6 in four knock-out matches: 11 in 7.
    QCOMPARE(f.statisticsPage()->moy_buts->text(), QStringLiteral("1,6"));

    f.TabbedNotebook1->tab(TForm1::Welcome)->click();
    f.welcomePage()->tour2->click();
    QVERIFY(w.Form2()->isVisible());
    QVERIFY(!w.Form3()->isVisible());
    QCOMPARE(f.tournament().champion->name.text(), QStringLiteral("Team F1"));
    QCOMPARE(f.tournament().qualifies[0]->name.text(), QStringLiteral("Team A2"));
    QVERIFY(w.Form2()->bouton_bilan->isVisible());
    for (int i = 0; i < 16; ++i)
        QVERIFY(!w.Form2()->buttons[i]->isEnabled());
    w.Form2()->bouton_bilanClick();
    QCOMPARE(w.bilans()->premier->text(), QStringLiteral("1-Team F1"));
    QVERIFY(s.platform.messages.isEmpty());
}

QTEST_MAIN(TstTournamentPlay)
#include "tst_tournamentplay.moc"
