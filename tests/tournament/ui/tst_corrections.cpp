#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "fixture_helper.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/TForm2.h"
#include "tournament/ui/TabbedNotebook.h"
#include "tournament/ui/Tvalidation.h"

// Taking back a match entered by mistake: the group match with its figures,
// ranking and goals, the refusal once stage 2 has begun, a match recorded
// before the scorers were kept, and the last knock-out match.
using Fixture::chooses;

class TstCorrections : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void deletedGroupMatchRestoresEverything();
    void matchWithoutNotedScorersKeepsGoals();
    void refusedOnceStage2HasBegun();
    void deletingNamesTheMatchAndAsks();
    void resetStage2TakesBackKnockoutGoals();

private:
    // Every change is written at once, so each step can be checked in the files.
    struct Session : Fixture::Session
    {
        explicit Session(const QString &dir) : Fixture::Session(dir) { form.welcomePage()->sauve_auto->setChecked(true); }
    };

    QString file(const char *name) const { return QDir(m_tmp->path()).filePath(QLatin1String(name)); }
    void put(const char *name, const QByteArray &bytes);
    // A group match entered on "New Result" with one scorer line per goal,
    // each for the team's striker (squad entry 0).
    static void joue(TForm1 &f, char group, int i1, int i2, int s1, int s2);
    static void efface(TForm1 &f, int row);

    std::unique_ptr<QTemporaryDir> m_tmp;
};

namespace {

// A record of buteurs.dat, 68 bytes: list, code, team1, team2, kind, name,
// side or place, zero.
QByteArray note(char liste, char code, const QByteArray &t1, const QByteArray &t2, char kind,
                const QByteArray &name, int sideNo)
{
    QByteArray b;
    b += liste;
    b += code;
    b += Bytes::nom(t1) + Bytes::nom(t2);
    b += kind;
    b += Bytes::nom(name);
    b += char(sideNo);
    b += '\0';
    return b;
}

} // namespace

void TstCorrections::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    Fixture::prepare(m_tmp->path());
}

void TstCorrections::put(const char *name, const QByteArray &bytes)
{
    QFile f(file(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void TstCorrections::joue(TForm1 &f, char group, int i1, int i2, int s1, int s2)
{
    QVERIFY(f.TabbedNotebook1->setPageIndex(TForm1::NewResult));
    chooses(f.newResultPage()->lettre, QString(QLatin1Char(group)));
    chooses(f.newResultPage()->equipe1, QString::fromLatin1(Fixture::teamName(group, i1)));
    chooses(f.newResultPage()->equipe2, QString::fromLatin1(Fixture::teamName(group, i2)));
    f.newResultPage()->score1->setValue(s1);
    f.newResultPage()->score2->setValue(s2);
    for (int k = 0; k < s1; ++k) {
        f.newResultPage()->listeq1->setCurrentRow(0);
        f.newResultPage()->but1->click();
    }
    for (int k = 0; k < s2; ++k) {
        f.newResultPage()->listeq2->setCurrentRow(0);
        f.newResultPage()->but2->click();
    }
    f.newResultPage()->Valider->click();
    QVERIFY(f.dialogs().validation()->isVisible());
    f.dialogs().validation()->OKBtn->click();
}

void TstCorrections::efface(TForm1 &f, int row)
{
    QVERIFY(f.TabbedNotebook1->setPageIndex(TForm1::PlayedMatchs));
    f.playedMatchesPage()->matchs_joues->setCurrentCell(row, 1);
    f.playedMatchesPage()->efface->click();
}

void TstCorrections::deletedGroupMatchRestoresEverything()
{
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    joue(f, 'A', 0, 1, 1, 0);
    // After A1-A2 1-0: A1 first, A3 and A4 level, A2 last with -1.
    const auto sq = [](int i, int goals) { return Fixture::squad('A', i, goals); };
    const QByteArray groupeA = Bytes::equipe("Team A1", 1, 3, 1, 0, "bresil", sq(0, 1))
                             + Bytes::equipe("Team A3", 0, 0, 0, 0, "maroc", sq(2, 0))
                             + Bytes::equipe("Team A4", 0, 0, 0, 0, "norvege", sq(3, 0))
                             + Bytes::equipe("Team A2", 1, 0, 0, 1, "ecosse", sq(1, 0));
    QCOMPARE(Fixture::lit(file("groupeA.dat")), groupeA);
    const QByteArray matchs = Bytes::match('A', "Team A1", "Team A2", 1, 0);
    QCOMPARE(Fixture::lit(file("matchs.dat")), matchs);
    // The match, the ranking before it (the order of the group file), the goal.
    QByteArray buteurs = note('G', 'A', "Team A1", "Team A2", 'M', "", 0);
    for (int i = 0; i < 4; ++i)
        buteurs += note('G', 'A', "Team A1", "Team A2", 'R', Fixture::teamName('A', i), i + 1);
    buteurs += note('G', 'A', "Team A1", "Team A2", 'B', "Striker A1", 1);
    QCOMPARE(Fixture::lit(file("buteurs.dat")), buteurs);
    const QByteArray groupB = Fixture::lit(file("groupeB.dat"));

    // A2 beats A3 3-0 and goes top; then the match is taken back.
    joue(f, 'A', 1, 2, 3, 0);
    QCOMPARE(f.tournament().groupes[0].teams[0]->name.text(), QStringLiteral("Team A2"));
    QCOMPARE(f.tournament().groupes[0].teams[1]->squad[0].goals, 1);
    efface(f, 2);
    QVERIFY(f.playedMatchesPage()->efface_info->text().contains(QStringLiteral("Team A2 - Team A3")));
    QCOMPARE(f.tournament().liste_matchs.size(), size_t(1));
    QCOMPARE(Fixture::lit(file("groupeA.dat")), groupeA);
    QCOMPARE(Fixture::lit(file("matchs.dat")), matchs);
    QCOMPARE(Fixture::lit(file("buteurs.dat")), buteurs);
    QCOMPARE(Fixture::lit(file("groupeB.dat")), groupB);
    QCOMPARE(f.playedMatchesPage()->matchs_joues->item(1, 1)->text(), QStringLiteral("Team A1"));
    QCOMPARE(f.playedMatchesPage()->mjoues->text(), QStringLiteral("1 match(of 48) has already been played."));

    // With the first match deleted too, the ranking of the group file is
    // back and buteurs.dat holds nothing more.
    efface(f, 1);
    QVERIFY(f.tournament().liste_matchs.empty());
    QByteArray fresh;
    for (int i = 0; i < 4; ++i)
        fresh += Bytes::equipe(Fixture::teamName('A', i), 0, 0, 0, 0, Fixture::flagBytes('A', i), sq(i, 0));
    QCOMPARE(Fixture::lit(file("groupeA.dat")), fresh);
    QCOMPARE(Fixture::lit(file("matchs.dat")), QByteArray());
    QCOMPARE(Fixture::lit(file("buteurs.dat")), QByteArray());
    QCOMPARE(f.playedMatchesPage()->mjoues->text(), QStringLiteral("no match was played."));

    // Nothing selected: nothing happens.
    efface(f, -1);
    QVERIFY(!f.playedMatchesPage()->efface_info->text().isEmpty());
    QVERIFY(s.platform.messages.isEmpty());
}

void TstCorrections::matchWithoutNotedScorersKeepsGoals()
{
    // Recorded before buteurs.dat existed: A1 beat A2 2-0, A1's striker
    // holds 2 goals and A3 drew with A4 1-1.
    put("groupeA.dat", Bytes::equipe("Team A1", 1, 3, 2, 0, "bresil", Fixture::squad('A', 0, 2))
                             + Bytes::equipe("Team A3", 1, 1, 1, 1, "maroc", Fixture::squad('A', 2))
                             + Bytes::equipe("Team A4", 1, 1, 1, 1, "norvege", Fixture::squad('A', 3))
                             + Bytes::equipe("Team A2", 1, 0, 0, 2, "ecosse", Fixture::squad('A', 1)));
    put("matchs.dat", Bytes::match('A', "Team A1", "Team A2", 2, 0) + Bytes::match('A', "Team A3", "Team A4", 1, 1));
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    efface(f, 1);
    QVERIFY(f.playedMatchesPage()->efface_info->text().contains(QStringLiteral("goals stay")));
    // The figures come from the remaining match; the level teams keep their order.
    QCOMPARE(Fixture::lit(file("groupeA.dat")),
             Bytes::equipe("Team A3", 1, 1, 1, 1, "maroc", Fixture::squad('A', 2))
                 + Bytes::equipe("Team A4", 1, 1, 1, 1, "norvege", Fixture::squad('A', 3))
                 + Bytes::equipe("Team A1", 0, 0, 0, 0, "bresil", Fixture::squad('A', 0, 2))
                 + Bytes::equipe("Team A2", 0, 0, 0, 0, "ecosse", Fixture::squad('A', 1)));
    QVERIFY(!QFile::exists(file("buteurs.dat")));

    // "Edit Team" corrects the striker's goals by hand.
    QVERIFY(f.TabbedNotebook1->setPageIndex(TForm1::EditTeam));
    chooses(f.editTeamPage()->groupe, QStringLiteral("A"));
    chooses(f.editTeamPage()->equipe, QStringLiteral("Team A1"));
    QVERIFY(!f.editTeamPage()->Corriger->isEnabled());
    f.editTeamPage()->liste_joueurs->item(0)->setSelected(true);
    QVERIFY(f.editTeamPage()->Corriger->isEnabled());
    QCOMPARE(f.editTeamPage()->buts_joueur->value(), 2);
    f.editTeamPage()->buts_joueur->setValue(0);
    f.editTeamPage()->Corriger->click();
    QCOMPARE(Fixture::lit(file("groupeA.dat")).mid(2 * 712, 712),
             Bytes::equipe("Team A1", 0, 0, 0, 0, "bresil", Fixture::squad('A', 0, 0)));
    QVERIFY(s.platform.messages.isEmpty());
}

void TstCorrections::refusedOnceStage2HasBegun()
{
    const QByteArray matchs = Bytes::match('A', "Team A1", "Team A2", 2, 0);
    const QByteArray tour2 = Bytes::match('1', "Team A1", "Team B2", 3, 2);
    put("groupeA.dat", Bytes::equipe("Team A1", 1, 3, 2, 0, "bresil", Fixture::squad('A', 0, 2))
                             + Bytes::equipe("Team A2", 1, 0, 0, 2, "ecosse", Fixture::squad('A', 1))
                             + Bytes::equipe("Team A3", 0, 0, 0, 0, "maroc", Fixture::squad('A', 2))
                             + Bytes::equipe("Team A4", 0, 0, 0, 0, "norvege", Fixture::squad('A', 3)));
    put("matchs.dat", matchs);
    put("tour2.dat", tour2);
    const QByteArray groupeA = Fixture::lit(file("groupeA.dat"));
    Session s(m_tmp->path());
    TForm1 &f = s.form;

    // A knock-out match is recorded: the group matches stay.
    efface(f, 1);
    QVERIFY(f.playedMatchesPage()->efface_info->text().contains(QStringLiteral("Stage 2 has begun")));
    QCOMPARE(f.tournament().liste_matchs.size(), size_t(1));
    QCOMPARE(Fixture::lit(file("matchs.dat")), matchs);
    QCOMPARE(Fixture::lit(file("groupeA.dat")), groupeA);

    // On the bracket the knock-out match itself can be taken back; its
    // scorers were not kept, so the goals stay.
    f.welcomePage()->tour2->click();
    TForm2 &bracket = *f.dialogs().Form2();
    QVERIFY(bracket.isVisible());
    QVERIFY(bracket.efface_tour2->isEnabled());
    QCOMPARE(bracket.score('1')->text(), QStringLiteral("3-2"));
    bracket.efface_tour2->click();
    QVERIFY(f.tournament().liste_tour2.empty());
    QCOMPARE(Fixture::lit(file("tour2.dat")), QByteArray());
    QVERIFY(bracket.score('1')->text().isEmpty());
    QVERIFY(bracket.quarts[0]->toolTip().isEmpty());
    QVERIFY(!bracket.efface_tour2->isEnabled());
    QCOMPARE(Fixture::lit(file("groupeA.dat")), groupeA);

    // While the bracket is in use (phase2), group matches still stay.
    QVERIFY(f.tournament().phase2);
    f.show();
    efface(f, 1);
    QVERIFY(f.playedMatchesPage()->efface_info->text().contains(QStringLiteral("Stage 2 has begun")));
    QCOMPARE(Fixture::lit(file("matchs.dat")), matchs);
    QVERIFY(s.platform.messages.isEmpty());
}

void TstCorrections::deletingNamesTheMatchAndAsks()
{
    const QByteArray tour2 = Bytes::match('1', "Team A1", "Team B2", 3, 2);
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    joue(f, 'A', 0, 1, 1, 0);
    const QByteArray matchs = Fixture::lit(file("matchs.dat"));
    QStringList shown;
    s.platform.duringQuestion = [&shown](QDialog *dialog) {
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            shown << label->text();
    };

    // "No" keeps the match; the question named it.
    s.platform.answer = QStringLiteral("Non");
    QVERIFY(f.TabbedNotebook1->setPageIndex(TForm1::PlayedMatchs));
    f.playedMatchesPage()->matchs_joues->setCurrentCell(1, 1);
    QTest::mouseClick(f.playedMatchesPage()->efface, Qt::LeftButton);
    QCOMPARE(s.platform.questions, QStringList{QStringLiteral("Delete ?")});
    QVERIFY(shown.contains(QStringLiteral("Team A1 - Team A2  1-0")));
    QCOMPARE(f.tournament().liste_matchs.size(), size_t(1));
    QCOMPARE(Fixture::lit(file("matchs.dat")), matchs);
    QCOMPARE(f.tournament().groupes[0].teams[0]->squad[0].goals, 1);

    // Escape is "No" as well; "Yes" deletes.
    s.platform.answer.clear();
    QTest::mouseClick(f.playedMatchesPage()->efface, Qt::LeftButton);
    QCOMPARE(f.tournament().liste_matchs.size(), size_t(1));
    s.platform.answer = QStringLiteral("Oui");
    QTest::mouseClick(f.playedMatchesPage()->efface, Qt::LeftButton);
    QVERIFY(f.tournament().liste_matchs.empty());

    // The knock-out window's "Delete last match" asks the same way.
    put("tour2.dat", tour2);
    Session k(m_tmp->path());
    k.platform.duringQuestion = s.platform.duringQuestion;
    shown.clear();
    k.form.welcomePage()->tour2->click();
    TForm2 &bracket = *k.form.dialogs().Form2();
    k.platform.answer = QStringLiteral("Non");
    QTest::mouseClick(bracket.efface_tour2, Qt::LeftButton);
    QCOMPARE(k.platform.questions, QStringList{QStringLiteral("Delete last match ?")});
    QVERIFY(shown.contains(QStringLiteral("Team A1 - Team B2  3-2")));
    QCOMPARE(k.form.tournament().liste_tour2.size(), size_t(1));
    QCOMPARE(Fixture::lit(file("tour2.dat")), tour2);
    k.platform.answer = QStringLiteral("Oui");
    QTest::mouseClick(bracket.efface_tour2, Qt::LeftButton);
    QVERIFY(k.form.tournament().liste_tour2.empty());
    QCOMPARE(Fixture::lit(file("tour2.dat")), QByteArray());
}

void TstCorrections::resetStage2TakesBackKnockoutGoals()
{
    // A1 beat A2 2-0 in the group; in the round of 16 A1 beat B2 3-2 with
    // every scorer noted, and B1 beat A2 1-0 before scorers were kept.
    const auto sq = [](char g, int i, int goals) { return Fixture::squad(g, i, goals); };
    const auto groupeA = [&](int a1Goals) {
        return Bytes::equipe("Team A1", 1, 3, 2, 0, "bresil", sq('A', 0, a1Goals))
             + Bytes::equipe("Team A3", 0, 0, 0, 0, "maroc", sq('A', 2, 0))
             + Bytes::equipe("Team A4", 0, 0, 0, 0, "norvege", sq('A', 3, 0))
             + Bytes::equipe("Team A2", 1, 0, 0, 2, "ecosse", sq('A', 1, 0));
    };
    const auto groupB = [&](int b2Goals) {
        QByteArray b;
        for (int i = 0; i < 4; ++i)
            b += Bytes::equipe(Fixture::teamName('B', i), 0, 0, 0, 0, Fixture::flagBytes('B', i),
                                sq('B', i, i == 0 ? 1 : i == 1 ? b2Goals : 0));
        return b;
    };
    put("groupeA.dat", groupeA(5));
    put("groupeB.dat", groupB(2));
    put("matchs.dat", Bytes::match('A', "Team A1", "Team A2", 2, 0));
    put("tour2.dat", Bytes::match('1', "Team A1", "Team B2", 3, 2) + Bytes::match('2', "Team B1", "Team A2", 1, 0));
    QByteArray groupNotes = note('G', 'A', "Team A1", "Team A2", 'M', "", 0);
    for (int k = 0; k < 2; ++k)
        groupNotes += note('G', 'A', "Team A1", "Team A2", 'B', "Striker A1", 1);
    QByteArray knockoutNotes = note('K', '1', "Team A1", "Team B2", 'M', "", 0);
    for (int k = 0; k < 3; ++k)
        knockoutNotes += note('K', '1', "Team A1", "Team B2", 'B', "Striker A1", 1);
    for (int k = 0; k < 2; ++k)
        knockoutNotes += note('K', '1', "Team A1", "Team B2", 'B', "Striker B2", 2);
    put("buteurs.dat", groupNotes + knockoutNotes);

    Session s(m_tmp->path());
    TForm1 &f = s.form;
    QStringList shown;
    s.platform.duringQuestion = [&shown](QDialog *dialog) {
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            shown << label->text();
    };
    QTest::mouseClick(f.welcomePage()->initTour2, Qt::LeftButton);
    QCOMPARE(s.platform.questions, QStringList{QStringLiteral("Reset Stage 2 ?")});
    QVERIFY(shown.contains(QStringLiteral("The goals of 1 match stay with the players:")));

    // The noted knock-out goals are gone from the squads and the files; the
    // group goals and the goal of the match without notes stay.
    QVERIFY(f.tournament().liste_tour2.empty());
    QCOMPARE(Fixture::lit(file("groupeA.dat")), groupeA(2));
    QCOMPARE(Fixture::lit(file("groupeB.dat")), groupB(0));
    QCOMPARE(Fixture::lit(file("buteurs.dat")), groupNotes);
    QCOMPARE(Fixture::lit(file("tour2.dat")), QByteArray());
    QVERIFY(s.platform.messages.isEmpty());
}

QTEST_MAIN(TstCorrections)
#include "tst_corrections.moc"
