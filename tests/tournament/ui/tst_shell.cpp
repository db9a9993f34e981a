#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

#include "fixture_helper.h"
#include "tournament/ui/TAboutBox.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/TForm2.h"
#include "tournament/ui/TForm3.h"
#include "tournament/ui/TQuitterdlg.h"
#include "tournament/ui/TabbedNotebook.h"
#include "tournament/ui/Tchampion_du_monde.h"
#include "tournament/ui/Tcontre_camp.h"
#include "tournament/ui/Tdeja_lieu.h"
#include "tournament/ui/Tvalidation.h"

// Start, welcome box, exit, resets and the pages' own rules.
class TstShell : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void welcomeBoxHoldsInputForSevenTicks();
    void missingGroupFileStopsTheStart();
    void missingPictureGivesOneBoxPerFile_data();
    void missingPictureGivesOneBoxPerFile();
    void damagedPictureGivesOneBoxPerFile_data();
    void damagedPictureGivesOneBoxPerFile();
    void everyWindowButTheWelcomeBoxCarriesTheIcon();
    void iconChangedAfterTheStartIsReadAgain();
    void titleBarCloseAsksLikeExit();
    void exitWithoutChangesEndsAtOnce();
    void resetAllThenNoLeavesFilesUnchanged();
    void resetAllThenSaveEmptiesTheResults();
    void resetStage2KeepsGroupResults();
    void resetStage2WithAutomaticSave();
    void editTeamAddsAndRemovesPlayers();
    void stage2BeforeTheGroupsAreDone();
    void teamChangeEmptiesScorers();
    void confirmChecksThePageAgain();
    void confirmRecordsWhatItShowed();
    void exitSaveFailureKeepsTheProgram();
    void championWithoutFlag();
    void drawingLotsCancelStartsOver();
    void startReadsEveryFileButBuildsOnlyTheFirstPage();
    void pagesBuiltLateKeepTheTabOrder();
    void pageBuiltLateFollowsTheWindowSize_data();
    void pageBuiltLateFollowsTheWindowSize();

private:
    // One played group match, A1 2-0 A2, a round-of-16 record and a
    // finished drawing of lots, as the files of an earlier run.
    void writePart();
    QString file(const char *name) const { return QDir(m_tmp->path()).filePath(QLatin1String(name)); }

    std::unique_ptr<QTemporaryDir> m_tmp;
    QByteArray m_groupA, m_matches, m_stage2, m_qualifiers;
};

namespace {

struct Session
{
    explicit Session(const QString &dir, bool welcome = true) : form(dir, platform)
    {
        if (!form.tournament().chargement_ok)
            return;
        form.makeDialogs();
        form.show();
        if (welcome)
            for (int i = 0; i < 7; ++i)
                form.Timer1Timer();
    }
    ScriptedPlatform platform;
    TForm1 form;
};

void chooses(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(box->findText(text));
    emit box->textActivated(text);
}

} // namespace

void TstShell::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    Fixture::prepare(m_tmp->path());
}

void TstShell::writePart()
{
    m_groupA = Bytes::equipe("Team A1", 1, 3, 2, 0, "bresil", Fixture::squad('A', 0, 2))
              + Bytes::equipe("Team A2", 1, 0, 0, 2, "ecosse", Fixture::squad('A', 1))
              + Bytes::equipe("Team A3", 0, 0, 0, 0, "maroc", Fixture::squad('A', 2))
              + Bytes::equipe("Team A4", 0, 0, 0, 0, "norvege", Fixture::squad('A', 3));
    m_matches = Bytes::match('A', "Team A1", "Team A2", 2, 0);
    m_stage2 = Bytes::match('1', "Team A1", "Team B2", 3, 2);
    m_qualifiers.clear();
    for (char g = 'A'; g <= 'H'; ++g)
        m_qualifiers += Bytes::nom(Fixture::teamName(g, 0)) + Bytes::nom(Fixture::teamName(g, 1));
    const std::pair<const char *, QByteArray *> files[] = {
        {"groupeA.dat", &m_groupA}, {"matchs.dat", &m_matches}, {"tour2.dat", &m_stage2}, {"qualif.dat", &m_qualifiers}};
    for (const auto &[name, bytes] : files) {
        QFile f(file(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(*bytes);
    }
}

void TstShell::welcomeBoxHoldsInputForSevenTicks()
{
    Session s(m_tmp->path(), false);
    TForm1 &f = s.form;
    TAboutBox &about = *f.dialogs().AboutBox();
    QVERIFY(f.Timer1->isActive());
    QCOMPARE(f.Timer1->interval(), 1000);
    QVERIFY(!f.isEnabled());
    QCOMPARE(about.windowTitle(), QStringLiteral("Welcome !"));

    // A click on the disabled window does nothing: "Reset All" asks no
    // question (the same click on the enabled window does, below).
    s.platform.answer.clear();
    QTest::mouseClick(f.welcomePage()->initialiser, Qt::LeftButton);
    QVERIFY(s.platform.questions.isEmpty());
    QVERIFY(!f.tournament().modifie);

    for (int tick = 1; tick <= 6; ++tick) {
        f.Timer1Timer();
        QVERIFY(about.isVisible());
        QVERIFY(!f.isEnabled());
    }
    // The title bar cannot close the box; OK can, and the next tick brings it back.
    QVERIFY(!about.close());
    about.OKButton->click();
    QVERIFY(!about.isVisible());
    QVERIFY(f.isEnabled());
    f.Timer1Timer();
    QVERIFY(!about.isVisible());
    QVERIFY(!f.Timer1->isActive());
    QVERIFY(f.isEnabled());
    QVERIFY(s.platform.messages.isEmpty());

    // Once the box is gone the same click reaches the button; Escape
    // declines the reset.
    QTest::mouseClick(f.welcomePage()->initialiser, Qt::LeftButton);
    QCOMPARE(s.platform.questions, QStringList{QStringLiteral("Reset All ?")});
    QVERIFY(!f.tournament().modifie);
}

void TstShell::missingGroupFileStopsTheStart()
{
    QVERIFY(QFile::remove(file("groupeE.dat")));
    ScriptedPlatform platform;
    TForm1 f(m_tmp->path(), platform);
    QVERIFY(!f.tournament().chargement_ok);
    QCOMPARE(platform.messages, QStringList{QStringLiteral("File Error !")});
    QVERIFY(!f.Timer1->isActive());

    // A group file that is one byte short is no better.
    Fixture::prepare(m_tmp->path());
    QByteArray b = Fixture::lit(file("groupeC.dat"));
    b.chop(1);
    QFile c(file("groupeC.dat"));
    QVERIFY(c.open(QIODevice::WriteOnly));
    c.write(b);
    c.close();
    ScriptedPlatform second;
    TForm1 g(m_tmp->path(), second);
    QVERIFY(!g.tournament().chargement_ok);
    QCOMPARE(second.messages.size(), 1);
}

void TstShell::missingPictureGivesOneBoxPerFile_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("boxes");
    // One box per file and run, however many windows show it: the main
    // window and the seven dialogs show the mascot, every window but the
    // welcome box the icon, the "About The Author" page and the welcome box
    // the logo.
    QTest::newRow("mascot") << "mascot.bmp" << 1;
    QTest::newRow("icon") << "tpx.ico" << 1;
    QTest::newRow("logo") << "sigle.bmp" << 1;
}

void TstShell::missingPictureGivesOneBoxPerFile()
{
    QFETCH(QString, picture);
    QFETCH(int, boxes);
    QVERIFY(QFile::remove(QDir(m_tmp->path()).filePath(picture)));
    QVERIFY(!QFile::exists(file("matchs.dat")));
    Session s(m_tmp->path());
    QCOMPARE(s.platform.messages.size(), boxes);
    QVERIFY(s.platform.messages.count(QStringLiteral("File Error !")) == boxes);
    QVERIFY(s.form.isEnabled());
    // A missing matchs.dat is created empty.
    QVERIFY(QFile::exists(file("matchs.dat")));
    QCOMPARE(Fixture::lit(file("matchs.dat")).size(), 0);
    s.form.TabbedNotebook1->setPageIndex(TForm1::PlayedMatchs);
    QCOMPARE(s.form.playedMatchesPage()->mjoues->text(), QStringLiteral("no match was played."));
}

void TstShell::damagedPictureGivesOneBoxPerFile_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("boxes");
    QTest::newRow("mascot") << "mascot.bmp" << 1;
    QTest::newRow("icon") << "tpx.ico" << 1;
    QTest::newRow("logo") << "sigle.bmp" << 1;
}

void TstShell::damagedPictureGivesOneBoxPerFile()
{
    QFETCH(QString, picture);
    QFETCH(int, boxes);
    QFile f(QDir(m_tmp->path()).filePath(picture));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray("no picture in here, only text").repeated(8));
    f.close();
    Session s(m_tmp->path());
    QCOMPARE(s.platform.messages, QStringList(boxes, QStringLiteral("File Error !")));
}

void TstShell::everyWindowButTheWelcomeBoxCarriesTheIcon()
{
    Session s(m_tmp->path());
    // The pages are built when first shown or asked for: the one that holds
    // a window of its own is asked for here, so that its window is looked at too.
    s.form.playedMatchesPage();
    QVERIFY(s.platform.messages.isEmpty());
    // tpx.ico holds a 32 x 32 and a 16 x 16 picture.
    const QList<QSize> sizes{QSize(16, 16), QSize(32, 32)};
    int withIcon = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        // The drop-down lists' popups are windows of their own, without an icon.
        if (w->objectName() == QLatin1String("AboutBox") || w->windowType() == Qt::Popup)
            continue;
        QList<QSize> got = w->windowIcon().availableSizes();
        std::sort(got.begin(), got.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(got, sizes);
        ++withIcon;
    }
    // The eleven windows of the start and the correction dialog of "Played Matchs".
    QCOMPARE(withIcon, 12);
}

void TstShell::iconChangedAfterTheStartIsReadAgain()
{
    const QString icon = file("tpx.ico");
    const QByteArray good = Fixture::lit(icon);
    auto write = [&icon](const QByteArray &bytes) {
        QFile f(icon);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    };

    Session s(m_tmp->path());
    QVERIFY(s.platform.messages.isEmpty());
    write("broken");
    Tdeja_lieu afterBreaking(s.form);
    QCOMPARE(s.platform.messages, QStringList{QStringLiteral("File Error !")});

    write(good);
    Tdeja_lieu afterRepair(s.form);
    QCOMPARE(s.platform.messages.size(), 1);
    QCOMPARE(afterRepair.windowIcon().availableSizes().size(), 2);
}

void TstShell::titleBarCloseAsksLikeExit()
{
    writePart();
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    TQuitterdlg &dlg = *f.dialogs().Quitterdlg();
    QSignalSpy ended(&f, &TForm1::closed);
    f.welcomePage()->initialiser->click();
    QVERIFY(f.tournament().modifie);

    // The main window's close button asks the question of "Exit".
    QVERIFY(!f.close());
    QVERIFY(dlg.isVisible());
    QVERIFY(!f.isVisible());

    // Dismissing the question, by its title bar or by Escape, is no answer:
    // the program goes on with its unsaved changes.
    dlg.close();
    QVERIFY(!dlg.isVisible());
    QVERIFY(f.isVisible());
    QVERIFY(f.tournament().modifie);
    f.welcomePage()->Quitter->click();
    QVERIFY(dlg.isVisible());
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QVERIFY(!dlg.isVisible());
    QVERIFY(f.isVisible());
    QCOMPARE(ended.count(), 0);
    QVERIFY(f.tournament().liste_matchs.empty());
    QCOMPARE(Fixture::lit(file("matchs.dat")), m_matches);

    // "No" still leaves without saving.
    QVERIFY(!f.close());
    dlg.Non->click();
    QCOMPARE(ended.count(), 1);
    QCOMPARE(Fixture::lit(file("matchs.dat")), m_matches);
}

void TstShell::exitWithoutChangesEndsAtOnce()
{
    Session s(m_tmp->path());
    QSignalSpy ended(&s.form, &TForm1::closed);
    s.form.welcomePage()->Quitter->click();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!s.form.dialogs().Quitterdlg()->isVisible());
}

void TstShell::resetAllThenNoLeavesFilesUnchanged()
{
    writePart();
    {
        Session s(m_tmp->path());
        TForm1 &f = s.form;
        QSignalSpy ended(&f, &TForm1::closed);
        QCOMPARE(int(f.tournament().liste_matchs.size()), 1);
        f.welcomePage()->initialiser->click();
        QVERIFY(f.tournament().liste_matchs.empty());
        f.welcomePage()->Quitter->click();
        TQuitterdlg &dlg = *f.dialogs().Quitterdlg();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Exit ?"));
        dlg.Non->click();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!f.tournament().modifie);
    }
    QCOMPARE(Fixture::lit(file("groupeA.dat")), m_groupA);
    QCOMPARE(Fixture::lit(file("matchs.dat")), m_matches);
    QCOMPARE(Fixture::lit(file("tour2.dat")), m_stage2);
    QCOMPARE(Fixture::lit(file("qualif.dat")), m_qualifiers);
}

void TstShell::resetAllThenSaveEmptiesTheResults()
{
    writePart();
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    f.welcomePage()->initialiser->click();
    f.welcomePage()->sauver->click();
    QVERIFY(!f.tournament().modifie);
    QCOMPARE(Fixture::lit(file("matchs.dat")), QByteArray());
    QCOMPARE(Fixture::lit(file("tour2.dat")), QByteArray());
    QVERIFY(!QFile::exists(file("qualif.dat")));
    // Statistics and goals are 0 and the teams keep their order.
    const QByteArray expected = Bytes::equipe("Team A1", 0, 0, 0, 0, "bresil", Fixture::squad('A', 0))
                              + Bytes::equipe("Team A2", 0, 0, 0, 0, "ecosse", Fixture::squad('A', 1))
                              + Bytes::equipe("Team A3", 0, 0, 0, 0, "maroc", Fixture::squad('A', 2))
                              + Bytes::equipe("Team A4", 0, 0, 0, 0, "norvege", Fixture::squad('A', 3));
    QCOMPARE(Fixture::lit(file("groupeA.dat")), expected);
    // Nothing left to save: "Exit" ends at once.
    QSignalSpy ended(&f, &TForm1::closed);
    f.welcomePage()->Quitter->click();
    QCOMPARE(ended.count(), 1);
}

void TstShell::resetStage2KeepsGroupResults()
{
    writePart();
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    f.welcomePage()->initTour2->click();
    QVERIFY(f.tournament().modifie);
    QCOMPARE(int(f.tournament().liste_matchs.size()), 1);
    f.TabbedNotebook1->setPageIndex(TForm1::Classifications);
    chooses(f.classificationsPage()->lettre_groupe, QStringLiteral("A"));
    QCOMPARE(f.classificationsPage()->classement->item(1, 0)->text(), QStringLiteral("Team A1"));
    QCOMPARE(f.classificationsPage()->classement->item(1, 2)->text(), QStringLiteral("3"));
    QCOMPARE(f.classificationsPage()->classement->item(2, 4)->text(), QStringLiteral("2"));
    f.welcomePage()->sauver->click();
    QCOMPARE(Fixture::lit(file("matchs.dat")), m_matches);
    QCOMPARE(Fixture::lit(file("groupeA.dat")), m_groupA);
    QCOMPARE(Fixture::lit(file("tour2.dat")), QByteArray());
    QVERIFY(!QFile::exists(file("qualif.dat")));
}

void TstShell::resetStage2WithAutomaticSave()
{
    writePart();
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    f.welcomePage()->sauve_auto->setChecked(true);
    f.welcomePage()->initTour2->click();
    // Written at once; the earlier state of modifie (clear) stays.
    QVERIFY(!f.tournament().modifie);
    QCOMPARE(Fixture::lit(file("tour2.dat")), QByteArray());
    QVERIFY(!QFile::exists(file("qualif.dat")));
    QCOMPARE(Fixture::lit(file("matchs.dat")), m_matches);
}

void TstShell::editTeamAddsAndRemovesPlayers()
{
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    f.TabbedNotebook1->tab(TForm1::EditTeam)->click();
    QCOMPARE(f.TabbedNotebook1->pageIndex(), int(TForm1::EditTeam));
    QVERIFY(!f.editTeamPage()->Ajouter->isEnabled());
    chooses(f.editTeamPage()->groupe, QStringLiteral("B"));
    QCOMPARE(f.editTeamPage()->equipe->currentText(), QStringLiteral("Team B1"));
    QVERIFY(!f.editTeamPage()->Imageq->pixmap().isNull());
    QCOMPARE(f.editTeamPage()->liste_joueurs->count(), 3);

    // Typed names hold only what the files can store, at most 20 characters.
    f.editTeamPage()->nouveau->insert(QStringLiteral("René "));
    f.editTeamPage()->nouveau->insert(QStringLiteral("Ω"));
    f.editTeamPage()->nouveau->insert(QStringLiteral(" Twentyone-characters"));
    QCOMPARE(f.editTeamPage()->nouveau->text(), QStringLiteral("René  Twentyone-char"));
    QVERIFY(f.editTeamPage()->Ajouter->isEnabled());
    f.editTeamPage()->Ajouter->click();
    QCOMPARE(f.editTeamPage()->liste_joueurs->count(), 4);
    QCOMPARE(f.editTeamPage()->liste_joueurs->item(3)->text(), QStringLiteral("René  Twentyone-char"));
    QVERIFY(f.tournament().modifie);

    // Removing the first player moves the last one into his place.
    f.editTeamPage()->liste_joueurs->setCurrentRow(0);
    f.editTeamPage()->Enlever->click();
    QCOMPARE(f.editTeamPage()->liste_joueurs->count(), 3);
    QCOMPARE(f.editTeamPage()->liste_joueurs->item(0)->text(), QStringLiteral("René  Twentyone-char"));

    // With automatic save the group file is written at once.
    f.welcomePage()->sauve_auto->setChecked(true);
    f.editTeamPage()->nouveau->setText(QStringLiteral("Ana"));
    f.editTeamPage()->Ajouter->click();
    QList<Bytes::Joueur> squad = {{"Ren\xe9  Twentyone-char", 0}, {"Zo\xe9 B1", 0}, {"Keeper B1", 0}, {"Ana", 0}};
    QCOMPARE(Fixture::lit(file("groupeB.dat")).left(712),
             Bytes::equipe("Team B1", 0, 0, 0, 0, "italie", squad));
    QVERIFY(s.platform.messages.isEmpty());
}

void TstShell::stage2BeforeTheGroupsAreDone()
{
    writePart();
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    f.welcomePage()->tour2->click();
    TForm2 &bracket = *f.dialogs().Form2();
    QVERIFY(bracket.isVisible());
    QCOMPARE(bracket.windowTitle(), QStringLiteral("Trophex 1.1  Stage 2"));
    QVERIFY(f.tournament().phase2);
    QVERIFY(bracket.avert->isVisible());
    for (QPushButton *button : bracket.buttons)
        QVERIFY(!button->isEnabled());
    // Match '1' is in tour2.dat: its winner's flag is shown, the semi-final's slot is empty.
    QVERIFY(!bracket.quarts[0]->pixmap().isNull());
    QVERIFY(!bracket.demis[0]->pixmap().isNull());
    QVERIFY(s.platform.messages.isEmpty());
    // "Welcome" cannot be chosen while stage 2 is on.
    f.show();
    QVERIFY(!f.TabbedNotebook1->setPageIndex(TForm1::Welcome));
    f.hide();
    bracket.Retour->click();
    QVERIFY(!f.tournament().phase2);
    QVERIFY(f.isVisible());
    QCOMPARE(f.TabbedNotebook1->pageIndex(), int(TForm1::Welcome));
}

void TstShell::teamChangeEmptiesScorers()
{
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    f.TabbedNotebook1->tab(TForm1::NewResult)->click();
    QVERIFY(!f.newResultPage()->Valider->isEnabled());
    QVERIFY(!f.newResultPage()->valider2->isVisible() && !f.newResultPage()->back->isVisible());
    chooses(f.newResultPage()->lettre, QStringLiteral("C"));
    QVERIFY(f.newResultPage()->Valider->isEnabled());
    QCOMPARE(f.newResultPage()->equipe1->currentText(), QStringLiteral("Team C1"));
    QCOMPARE(f.newResultPage()->equipe2->currentText(), QStringLiteral("Team C2"));
    f.newResultPage()->score1->setValue(2);
    f.newResultPage()->score2->setValue(1);
    f.newResultPage()->listeq1->setCurrentRow(1);
    f.newResultPage()->but1->click();
    f.newResultPage()->but1->click();
    QCOMPARE(f.newResultPage()->buteur1->count(), 2);
    f.newResultPage()->buteur1->setCurrentRow(0);
    f.newResultPage()->enleve1->click();
    QCOMPARE(f.newResultPage()->buteur1->count(), 1);
    chooses(f.newResultPage()->equipe1, QStringLiteral("Team C3"));
    QCOMPARE(f.newResultPage()->buteur1->count(), 0);
    QCOMPARE(f.newResultPage()->score1->value(), 0);
    QCOMPARE(f.newResultPage()->score2->value(), 0);
    QCOMPARE(f.newResultPage()->listeq1->item(0)->text(), QStringLiteral("Striker C3"));

    // The same team twice: wrong entries.
    chooses(f.newResultPage()->equipe2, QStringLiteral("Team C3"));
    f.newResultPage()->Valider->click();
    QVERIFY(!f.dialogs().validation()->isVisible());
    // 2-1 with one line on each side: the own-goal dialog, without the penalty line.
    chooses(f.newResultPage()->equipe2, QStringLiteral("Team C4"));
    f.newResultPage()->score1->setValue(2);
    f.newResultPage()->score2->setValue(1);
    f.newResultPage()->listeq1->setCurrentRow(0);
    f.newResultPage()->but1->click();
    f.newResultPage()->listeq2->setCurrentRow(0);
    f.newResultPage()->but2->click();
    f.newResultPage()->Valider->click();
    Tcontre_camp &ownGoal = *f.dialogs().contre_camp();
    QVERIFY(ownGoal.isVisible());
    QVERIFY(!ownGoal.penalty->isVisible());
    ownGoal.CancelBtn->click();
    QVERIFY(!ownGoal.isVisible());
    QVERIFY(f.tournament().liste_matchs.empty());
}

void TstShell::confirmChecksThePageAgain()
{
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    DialogSet &w = f.dialogs();
    f.TabbedNotebook1->tab(TForm1::NewResult)->click();
    chooses(f.newResultPage()->lettre, QStringLiteral("D"));
    f.newResultPage()->Valider->click(); // D1 - D2, 0-0
    w.validation()->OKBtn->click();
    QCOMPARE(int(f.tournament().liste_matchs.size()), 1);

    // Confirm D1 - D3, then turn the page back to the recorded pair before OK.
    chooses(f.newResultPage()->equipe2, QStringLiteral("Team D3"));
    f.newResultPage()->Valider->click();
    QVERIFY(w.validation()->isVisible());
    chooses(f.newResultPage()->equipe2, QStringLiteral("Team D2"));
    w.validation()->OKBtn->click();
    QVERIFY(!w.validation()->isVisible());
    QVERIFY(w.deja_lieu()->isVisible());
    QCOMPARE(int(f.tournament().liste_matchs.size()), 1);

    // A page that would still pass is not recorded unseen: the confirm
    // shows it first.
    w.deja_lieu()->OKBtn->click();
    chooses(f.newResultPage()->equipe2, QStringLiteral("Team D3"));
    f.newResultPage()->Valider->click();
    f.newResultPage()->score1->setValue(1);
    f.newResultPage()->buteur1->addItem(QStringLiteral("Striker D1"));
    w.validation()->OKBtn->click();
    QCOMPARE(int(f.tournament().liste_matchs.size()), 1);
    QVERIFY(w.validation()->isVisible());
    QCOMPARE(w.validation()->score1->text(), QStringLiteral("1"));
    w.validation()->OKBtn->click();
    QCOMPARE(int(f.tournament().liste_matchs.size()), 2);
    QCOMPARE(f.tournament().liste_matchs.back().score1, 1);
}

void TstShell::confirmRecordsWhatItShowed()
{
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    Tvalidation &confirm = *f.dialogs().validation();
    QTest::mouseClick(f.TabbedNotebook1->tab(TForm1::NewResult), Qt::LeftButton);
    chooses(f.newResultPage()->lettre, QStringLiteral("B"));
    QTest::keyClick(f.newResultPage()->score1, Qt::Key_Up);
    f.newResultPage()->listeq1->setCurrentRow(0);
    QTest::mouseClick(f.newResultPage()->but1, Qt::LeftButton);
    QTest::mouseClick(f.newResultPage()->Valider, Qt::LeftButton);
    QVERIFY(confirm.isVisible());
    QCOMPARE(confirm.score1->text(), QStringLiteral("1"));

    // While the question is open, keys, clicks and tabs change nothing.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(f.newResultPage()->score1, Qt::Key_Up);
    QTest::keyClick(f.newResultPage()->score2, Qt::Key_Up);
    f.newResultPage()->listeq1->setCurrentRow(1);
    QTest::mouseClick(f.newResultPage()->but1, Qt::LeftButton);
    QTest::mouseClick(f.TabbedNotebook1->tab(TForm1::Statistics), Qt::LeftButton);
    QCOMPARE(f.TabbedNotebook1->pageIndex(), int(TForm1::NewResult));
    QCOMPARE(f.newResultPage()->score1->value(), 1);
    QCOMPARE(f.newResultPage()->score2->value(), 0);
    QCOMPARE(f.newResultPage()->buteur1->count(), 1);

    QTest::mouseClick(confirm.OKBtn, Qt::LeftButton);
    QCOMPARE(int(f.tournament().liste_matchs.size()), 1);
    const TRencontre &m = f.tournament().liste_matchs.front();
    QCOMPARE(m.team1.text(), QStringLiteral("Team B1"));
    QCOMPARE(m.score1, 1);
    QCOMPARE(m.score2, 0);
    QCOMPARE(f.tournament().cherche_equipe(QStringLiteral("Team B1"))->squad[0].goals, 1);

    // Once it is answered the page takes input again.
    QVERIFY(f.TabbedNotebook1->isEnabled());
    QTest::keyClick(f.newResultPage()->score2, Qt::Key_Up);
    QCOMPARE(f.newResultPage()->score2->value(), 1);

    // A page changed behind the dialog's back (here by the program) is checked
    // again: 4-0 with one scorer asks about own goals, and nothing is recorded.
    chooses(f.newResultPage()->equipe2, QStringLiteral("Team B3"));
    f.newResultPage()->score1->setValue(1);
    f.newResultPage()->listeq1->setCurrentRow(0);
    f.newResultPage()->but1->click();
    f.newResultPage()->Valider->click();
    QVERIFY(confirm.isVisible());
    f.newResultPage()->score1->setValue(4);
    QTest::mouseClick(confirm.OKBtn, Qt::LeftButton);
    QVERIFY(!confirm.isVisible());
    QVERIFY(f.dialogs().contre_camp()->isVisible());
    QCOMPARE(int(f.tournament().liste_matchs.size()), 1);
}

void TstShell::exitSaveFailureKeepsTheProgram()
{
    // A folder where matchs.dat should be: neither reading nor writing it works.
    QVERIFY(QDir(m_tmp->path()).mkdir(QStringLiteral("matchs.dat")));
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    QSignalSpy ended(&f, &TForm1::closed);
    const int before = s.platform.messages.size();
    f.welcomePage()->initialiser->click();
    f.welcomePage()->Quitter->click();
    f.dialogs().Quitterdlg()->Oui->click();
    // The failure is reported, the changes are still marked and the program goes on.
    QCOMPARE(s.platform.messages.size(), before + 1);
    QCOMPARE(ended.count(), 0);
    QVERIFY(f.tournament().modifie);
    QVERIFY(f.isVisible());
    QVERIFY(!f.dialogs().Quitterdlg()->isVisible());
}

void TstShell::championWithoutFlag()
{
    QVERIFY(QFile::remove(file("cameroun.bmp"))); // Team B3's flag
    Session s(m_tmp->path());
    TForm1 &f = s.form;
    f.tournament().champion = f.tournament().cherche_equipe(QStringLiteral("Team B3"));
    Tchampion_du_monde &screen = *f.dialogs().champion_du_monde();
    screen.show();
    QCOMPARE(screen.nom->text(), QStringLiteral("Team B3"));
    QVERIFY(screen.Timerchampion->isActive());
    screen.TimerchampionTimer();
    QVERIFY(!screen.Timerchampion->isActive());
    for (QLabel *image : screen.images)
        QVERIFY(image->pixmap().isNull());
    QVERIFY(s.platform.messages.isEmpty());
    // Without a third place, OK goes back to the bracket.
    screen.OK->click();
    QVERIFY(!screen.isVisible());
    QVERIFY(f.dialogs().Form2()->isVisible());
}

void TstShell::drawingLotsCancelStartsOver()
{
    // All 48 group results are in; in group A the first two teams are level in
    // everything and drew their match, in the other groups the order is clear.
    QByteArray matchs;
    struct Result { int a, b, sa, sb; };
    const Result groupA[6] = {{0, 1, 1, 1}, {2, 3, 0, 0}, {0, 2, 2, 0}, {1, 3, 1, 0}, {0, 3, 1, 0}, {1, 2, 2, 0}};
    const Result others[6] = {{0, 1, 2, 1}, {2, 3, 1, 0}, {0, 2, 2, 0}, {1, 3, 3, 1}, {0, 3, 1, 0}, {1, 2, 2, 1}};
    for (char g = 'A'; g <= 'H'; ++g) {
        for (const Result &r : g == 'A' ? groupA : others)
            matchs += Bytes::match(g, Fixture::teamName(g, r.a), Fixture::teamName(g, r.b), r.sa, r.sb);
        struct Line { int index, points, goalsFor, goalsAgainst; };
        const Line rowsA[4] = {{0, 7, 4, 1}, {1, 7, 4, 1}, {3, 1, 0, 2}, {2, 1, 0, 4}};
        const Line rows[4] = {{0, 9, 5, 1}, {1, 6, 6, 4}, {2, 3, 2, 4}, {3, 0, 1, 5}};
        QByteArray bytes;
        for (const Line &l : g == 'A' ? rowsA : rows)
            bytes += Bytes::equipe(Fixture::teamName(g, l.index), 3, l.points, l.goalsFor, l.goalsAgainst,
                                    Fixture::flagBytes(g, l.index), Fixture::squad(g, l.index));
        QFile f(file(qPrintable(QStringLiteral("groupe%1.dat").arg(QLatin1Char(g)))));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QFile m(file("matchs.dat"));
    QVERIFY(m.open(QIODevice::WriteOnly));
    m.write(matchs);
    m.close();

    Session s(m_tmp->path());
    TForm1 &f = s.form;
    DialogSet &w = f.dialogs();
    f.welcomePage()->tour2->click();
    QVERIFY(w.Form3()->isVisible());
    QVERIFY(f.tournament().modifie);
    QCOMPARE(w.Form3()->equipes->count(), 2);
    // Cancel: back to the main window, nothing decided for good.
    w.Form3()->Annuler->click();
    QVERIFY(!w.Form3()->isVisible());
    QVERIFY(f.isVisible());
    QVERIFY(!f.tournament().phase2);
    // The next start derives the slots again and the drawing starts over.
    f.welcomePage()->tour2->click();
    QVERIFY(w.Form3()->isVisible());
    QCOMPARE(w.Form3()->groupe->text(), QStringLiteral("A"));
    QCOMPARE(w.Form3()->position->text(), QStringLiteral("premier"));
    w.Form3()->equipes->setCurrentRow(0);
    // With automatic save, the finished drawing is written at once.
    f.welcomePage()->sauve_auto->setChecked(true);
    w.Form3()->BitBtn1->click();
    QVERIFY(w.Form2()->isVisible());
    QVERIFY(f.tournament().phase2);
    QByteArray qualif;
    for (char g = 'A'; g <= 'H'; ++g)
        qualif += Bytes::nom(Fixture::teamName(g, 0)) + Bytes::nom(Fixture::teamName(g, 1));
    QCOMPARE(Fixture::lit(file("qualif.dat")), qualif);
    QVERIFY(w.Form2()->bouton('1')->isEnabled());
    QVERIFY(!w.Form2()->avert->isVisible());
    QVERIFY(s.platform.messages.isEmpty());
}

void TstShell::startReadsEveryFileButBuildsOnlyTheFirstPage()
{
    writePart();
    ScriptedPlatform platform;
    TForm1 f(m_tmp->path(), platform);
    f.show();
    QVERIFY(platform.messages.isEmpty());
    // The knock-out match and the qualifiers are known before the bracket was ever shown.
    QCOMPARE(int(f.tournament().liste_tour2.size()), 1);
    QCOMPARE(f.tournament().liste_tour2.front().code, '1');
    QVERIFY(f.dialogs().ifMade<TForm2>() == nullptr);
    for (int page = TForm1::Welcome; page <= TForm1::AboutTheAuthor; ++page)
        QCOMPARE(f.TabbedNotebook1->isBuilt(page), page == TForm1::Welcome);
    // The first tick makes the welcome box and nothing else.
    f.Timer1Timer();
    QVERIFY(f.dialogs().ifMade<TAboutBox>() && f.dialogs().ifMade<TAboutBox>()->isVisible());
    QVERIFY(f.dialogs().ifMade<Tvalidation>() == nullptr);
    // "Start Stage 2" shows the bracket with the match read at the start.
    for (int i = 0; i < 6; ++i)
        f.Timer1Timer();
    f.welcomePage()->tour2->click();
    QVERIFY(f.dialogs().Form2()->isVisible());
    QVERIFY(!f.dialogs().Form2()->bouton('1')->isEnabled());
}

void TstShell::pagesBuiltLateKeepTheTabOrder()
{
    Session s(m_tmp->path());
    TabbedNotebook &book = *s.form.TabbedNotebook1;
    // Asked for out of their order, as the user might open them.
    for (int page : {TForm1::Statistics, TForm1::Classifications, TForm1::AboutTheAuthor, TForm1::NewResult,
                     TForm1::EditTeam, TForm1::PlayedMatchs})
        book.page(page);
    // Tab leads from each tab through its page's controls, in the order they
    // were made, and on to the next tab.
    QList<QList<QWidget *>> expected(book.count()), got(book.count());
    for (int page = 0; page < book.count(); ++page)
        for (QObject *child : book.page(page)->children())
            if (auto *w = qobject_cast<QWidget *>(child); w && !w->isWindow() && w->focusPolicy() != Qt::NoFocus)
                expected[page] << w;
    int segment = -1;
    for (QWidget *w = s.form.nextInFocusChain(); w != &s.form; w = w->nextInFocusChain()) {
        if (segment + 1 < book.count() && w == book.tab(segment + 1)) {
            ++segment;
            continue;
        }
        for (int page = 0; page < book.count(); ++page) {
            if (!book.page(page)->isAncestorOf(w) || w->focusPolicy() == Qt::NoFocus)
                continue;
            QVERIFY2(page == segment, qPrintable(w->objectName()));
            if (w->parentWidget() == book.page(page))
                got[page] << w;
        }
    }
    QCOMPARE(segment, book.count() - 1);
    QCOMPARE(got, expected);
}

void TstShell::pageBuiltLateFollowsTheWindowSize_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("change"); // of x, y, width and height, the window grown by 200 x 100
    // A control in the middle moves by half the extra width; one tied to both
    // edges grows by all of it; one tied to the bottom moves with it.
    QTest::newRow("grid in the middle") << int(TForm1::Classifications) << "classement" << QRect(100, 0, 0, 0);
    QTest::newRow("background") << int(TForm1::Classifications) << "fond_classement" << QRect(0, 0, 200, 100);
    QTest::newRow("squad") << int(TForm1::EditTeam) << "liste_joueurs" << QRect(100, 0, 0, 100);
    QTest::newRow("match count") << int(TForm1::PlayedMatchs) << "mjoues" << QRect(0, 100, 200, 0);
    QTest::newRow("button under the lists") << int(TForm1::NewResult) << "Valider" << QRect(100, 100, 0, 0);
    QTest::newRow("team figures") << int(TForm1::Statistics) << "po_pris" << QRect(100, 100, 0, 0);
    QTest::newRow("logo") << int(TForm1::AboutTheAuthor) << "sigle" << QRect(100, 0, 0, 0);
}

void TstShell::pageBuiltLateFollowsTheWindowSize()
{
    QFETCH(int, page);
    QFETCH(QString, control);
    QFETCH(QRect, change);
    const auto shownAt = [&](QSize size) {
        Session s(m_tmp->path());
        s.form.resize(size);
        // The page is built now, in the window as it has become.
        s.form.TabbedNotebook1->tab(page)->click();
        QWidget *w = s.form.TabbedNotebook1->page(page)->findChild<QWidget *>(control);
        return w ? w->geometry() : QRect();
    };
    const QRect usual = shownAt(TForm1::kUsualSize);
    QVERIFY(usual.isValid());
    const QRect grown = shownAt(TForm1::kUsualSize + QSize(200, 100));
    QCOMPARE(grown, QRect(usual.x() + change.x(), usual.y() + change.y(), usual.width() + change.width(),
                          usual.height() + change.height()));
}

QTEST_MAIN(TstShell)
#include "tst_shell.moc"
