#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "fixture_helper.h"
#include "tournament/commands/TournamentCommands.h"
#include "tournament/group/ResultEntry.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/ui/CorrectionDialog.h"
#include "tournament/ui/DialogSet.h"
#include "tournament/ui/TabbedNotebook.h"
#include "tournament/ui/TForm2.h"
#include "tournament/ui/Tmatch_nul.h"
#include "tournament/ui/Tvalidation.h"

using Fixture::teamName;

class TstKnockoutEntry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shootoutEnteredApart();
    void groupResultCorrectedInStage2();

private:
    struct Session : Fixture::Session
    {
        explicit Session(const QString &dir) : Fixture::Session(dir) { form.welcomePage()->sauve_auto->setChecked(true); }
    };
    // Every group match won 1-0 by the team placed first (file order), so
    // that each group ends in file order; then "Start Stage 2".
    static void playGroups(TForm1 &f);
    static void photo(const char *name);
    static void scorers(QListWidget *squad, QPushButton *add, int n);

    std::unique_ptr<QTemporaryDir> m_tmp;
};

void TstKnockoutEntry::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    Fixture::prepare(m_tmp->path());
}

void TstKnockoutEntry::photo(const char *name)
{
    const QString dir = qEnvironmentVariable("TROPHEX_SHOTS");
    if (dir.isEmpty())
        return;
    QTest::qWait(300);
    QGuiApplication::primaryScreen()->grabWindow(0).save(dir + QLatin1Char('/') + QLatin1String(name) + ".png");
}

void TstKnockoutEntry::scorers(QListWidget *squad, QPushButton *add, int n)
{
    for (int k = 0; k < n; ++k) {
        squad->setCurrentRow(0);
        add->click();
    }
}

void TstKnockoutEntry::playGroups(TForm1 &f)
{
    for (char g = 'A'; g <= 'H'; ++g)
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b) {
                ResultEntry e;
                e.groupText = QString(QLatin1Char(g));
                e.team1Text = QString::fromLatin1(teamName(g, a));
                e.team2Text = QString::fromLatin1(teamName(g, b));
                e.score1 = 1;
                e.scorers1 << QStringLiteral("Striker %1%2").arg(QLatin1Char(g)).arg(a + 1);
                QVERIFY(TournamentCommands::storeGroupMatch(f.tournament(), e, true, f.folder()).ok);
            }
    f.welcomePage()->tour2->click();
    QVERIFY(f.dialogs().Form2()->isVisible());
}

// Round of 16 match 1, A1 v B2: 1-1 after 90 minutes, 2-2 after extra time,
// 4-3 on penalties. The confirmation shows the goals and how it was
// decided; tour2.dat keeps 6-5 as always, the kicks are credited to nobody.
void TstKnockoutEntry::shootoutEnteredApart()
{
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    playGroups(f);
    DialogSet &w = f.dialogs();
    w.Form2()->bouton('1')->click();
    NewResultPage *p = f.newResultPage();
    QVERIFY(p->extra1->isVisible() && p->kicks2->isVisible());
    QCOMPARE(p->extra1->value(), -1); // blank: no extra time yet
    p->score1->setValue(1);
    p->score2->setValue(1);
    scorers(p->listeq1, p->but1, 2);
    scorers(p->listeq2, p->but2, 2);
    // Level after 90 minutes and nothing more: the penalty dialog, as ever.
    p->valider2->click();
    QVERIFY(w.match_nul()->isVisible());
    w.match_nul()->OKBtn->click();
    p->extra1->setValue(2);
    p->extra2->setValue(2);
    p->kicks1->setValue(4);
    p->kicks2->setValue(3);
    photo("ko-entry");
    p->valider2->click();
    QVERIFY(w.validation()->isVisible());
    QCOMPARE(w.validation()->score1->text(), QStringLiteral("2"));
    QCOMPARE(w.validation()->score2->text(), QStringLiteral("2"));
    QCOMPARE(w.validation()->details->text(), QStringLiteral("2-2 a.e.t. (1-1), 4-3 pen."));
    photo("ko-confirm");
    w.validation()->OKBtn->click();

    Tournament &t = f.tournament();
    const TRencontre *m = stage2Match(t, '1');
    QVERIFY(m);
    QCOMPARE(m->score1, 6);
    QCOMPARE(m->score2, 5);
    QCOMPARE(stage2Parts(t, *m).text(), QStringLiteral("2-2 a.e.t. (1-1), 4-3 pen."));
    QVERIFY(Fixture::lit(QDir(m_tmp->path()).filePath(QStringLiteral("tour2.dat")))
                .contains(Bytes::match('1', teamName('A', 0), teamName('B', 1), 6, 5)));
    // Striker A1: 3 group goals and 2 now, never the kicks.
    QCOMPARE(t.cherche_equipe(QString::fromLatin1(teamName('A', 0)))->squad[0].goals, 5);
}

// Group A ends A1, A2, A3, A4; match 1 (A1 v B2) and match 2 (B1 v A2) are
// played. A1 - A2 corrected from 1-0 to 0-2 puts A2 first and A1 second
// (A2 three wins, A1 two): both round-of-16 matches no longer stand. The
// question names them; on "Yes" they are taken back and the bracket puts
// A2 v B2 and B1 v A1 there.
void TstKnockoutEntry::groupResultCorrectedInStage2()
{
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    playGroups(f);
    DialogSet &w = f.dialogs();
    for (char code : {'1', '2'}) {
        w.Form2()->bouton(code)->click();
        f.newResultPage()->score1->setValue(1);
        scorers(f.newResultPage()->listeq1, f.newResultPage()->but1, 1);
        f.newResultPage()->valider2->click();
        QVERIFY(w.validation()->isVisible());
        w.validation()->OKBtn->click();
    }
    w.Form2()->Retour->click();
    QVERIFY(f.TabbedNotebook1->setPageIndex(TForm1::PlayedMatchs));
    PlayedMatchesPage *page = f.playedMatchesPage();
    page->matchs_joues->setCurrentCell(1, 1); // A1 - A2, the first match
    page->corrige->click();
    CorrectionDialog *d = page->correction;
    QVERIFY(d->isVisible());
    QCOMPARE(d->score1->value(), 1);
    QCOMPARE(d->scorers1->count(), 1);
    QVERIFY(!d->extra1->isVisible());
    d->score1->setValue(0);
    d->score2->setValue(2);
    d->scorers1->setCurrentRow(0);
    d->remove1->click();
    d->squad2->setCurrentIndex(0);
    d->add2->click();
    d->add2->click();
    photo("correction");
    QStringList asked;
    s.platform.duringQuestion = [&](QDialog *q) {
        for (QLabel *l : q->findChildren<QLabel *>())
            asked << l->text();
    };
    d->correct->click();
    QCOMPARE(s.platform.questions, QStringList{QStringLiteral("Correct ?")});
    const QString question = asked.join(QLatin1Char('\n'));
    QVERIFY2(question.contains(QStringLiteral("Round of 16: %1 - %2").arg(QString::fromLatin1(teamName('A', 0)),
                                                                          QString::fromLatin1(teamName('B', 1)))),
             qPrintable(question));
    QVERIFY2(question.contains(QStringLiteral("Round of 16: %1 - %2").arg(QString::fromLatin1(teamName('B', 0)),
                                                                          QString::fromLatin1(teamName('A', 1)))),
             qPrintable(question));
    QVERIFY(!d->isVisible());
    QVERIFY(page->efface_info->text().contains(QStringLiteral("2 later match(es) taken back")));
    QCOMPARE(page->matchs_joues->item(1, 3)->text(), QStringLiteral("0"));
    QCOMPARE(page->matchs_joues->item(1, 4)->text(), QStringLiteral("2"));

    Tournament &t = f.tournament();
    QVERIFY(t.liste_tour2.empty());
    deriveBracket(t);
    const auto [x, y] = teamsOfMatch(t, '1');
    QCOMPARE(x->name.bytes(), teamName('A', 1));
    QCOMPARE(y->name.bytes(), teamName('B', 1));
    QCOMPARE(Fixture::lit(QDir(m_tmp->path()).filePath(QStringLiteral("tour2.dat"))), QByteArray());
}

QTEST_MAIN(TstKnockoutEntry)
#include "tst_knockoutentry.moc"
