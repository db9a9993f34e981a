#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QCheckBox>
#include <QMap>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTextDocument>
#include <QAbstractButton>
#include <QProcess>
#include <QTest>

#include "fixture_helper.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/TForm2.h"
#include "tournament/ui/TForm3.h"
#include "tournament/ui/QtPlatform.h"
#include "tournament/ui/Tbilans.h"
#include "tournament/ui/Tchampion_du_monde.h"
#include "tournament/ui/Tdeja_lieu.h"
#include "tournament/ui/Tvalidation.h"
#include "tournament/ui/TabbedNotebook.h"

using Fixture::chooses;

// Names and pictures from group files made by other means.
class TstHardening : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void flagsComeFromTheTournamentFolderOnly_data();
    void flagsComeFromTheTournamentFolderOnly();
    void typedPlayerNameRefusesControlCharacters();
    void namesShowAsTheyAreInEveryCaption();
    void drawingLotsSentenceHasSingleBlanks();
    void fileErrorAtStartIsCentredOnTheScreen();
    void resetsAskFirst_data();
    void resetsAskFirst();
    void disabledButtonsLookDisabled();
    void tabRowsStayInPlace();
    void fileErrorNamesTheFile();
    void missingPictureIsReportedOncePerRun();
    void typedLetterOfNoGroupEmptiesTheBox_data();
    void startSettlesACrashedSave_data();
    void startSettlesACrashedSave();
    void typedLetterOfNoGroupEmptiesTheBox();
    void newFoldersStartWithoutFileError_data();
    void newFoldersStartWithoutFileError();
    void fileErrorShowsThePathOnOneLine();

private:
    QString file(const QString &name) const { return QDir(m_tmp->path()).filePath(name); }
    // Group A with the given flag for its first team; the other teams as the fixture has them.
    void writeGroupA(const QByteArray &flag);

    std::unique_ptr<QTemporaryDir> m_tmp;
};

void TstHardening::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    QVERIFY(QDir(m_tmp->path()).mkdir(QStringLiteral("data")));
    Fixture::prepare(file(QStringLiteral("data")));
}

void TstHardening::writeGroupA(const QByteArray &flag)
{
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes += Bytes::equipe(Fixture::teamName('A', i), 0, 0, 0, 0, i == 0 ? flag : Fixture::flagBytes('A', i),
                                Fixture::squad('A', i));
    QFile f(file(QStringLiteral("data/groupeA.dat")));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void TstHardening::flagsComeFromTheTournamentFolderOnly_data()
{
    QTest::addColumn<QByteArray>("flag");
    // Each names a real picture outside the data folder.
    QTest::newRow("parent folder") << QByteArray("../outside");
    // A name holds 20 bytes: a short absolute path in /tmp.
    QTest::newRow("absolute path") << QByteArray("/tmp/tpx") + QByteArray::number(QCoreApplication::applicationPid() % 1000000);
    QTest::newRow("backslash") << QByteArray("..\\outside");
}

void TstHardening::flagsComeFromTheTournamentFolderOnly()
{
    QFETCH(QByteArray, flag);
    // A good picture beside the data folder, under the name the flag leads to.
    const QString outside = flag.startsWith('/') ? QString::fromLatin1(flag + ".bmp") : file(QStringLiteral("outside.bmp"));
    QFile::remove(outside);
    QVERIFY(QFile::copy(file(QStringLiteral("data/bresil.bmp")), outside));
    const auto cleanup = qScopeGuard([&] { QFile::remove(outside); });
    writeGroupA(flag);

    Fixture::Session s(file(QStringLiteral("data")));
    TForm1 &f = s.form;
    QVERIFY(f.tournament().chargement_ok);
    QVERIFY(s.platform.messages.isEmpty());
    f.TabbedNotebook1->setPageIndex(TForm1::EditTeam);
    chooses(f.editTeamPage()->groupe, QStringLiteral("A"));
    QCOMPARE(f.editTeamPage()->equipe->currentText(), QStringLiteral("Team A1"));
    QVERIFY(f.editTeamPage()->Imageq->pixmap().isNull());
    QCOMPARE(s.platform.messages, QStringList{QStringLiteral("File Error !")});
    // Team A2's flag is a plain name and loads.
    chooses(f.editTeamPage()->equipe, QStringLiteral("Team A2"));
    QVERIFY(!f.editTeamPage()->Imageq->pixmap().isNull());

    f.TabbedNotebook1->setPageIndex(TForm1::Statistics);
    chooses(f.statisticsPage()->lettregrp, QStringLiteral("A"));
    QVERIFY(f.statisticsPage()->Image->pixmap().isNull());
}

void TstHardening::typedPlayerNameRefusesControlCharacters()
{
    Fixture::Session s(file(QStringLiteral("data")));
    TForm1 &f = s.form;
    f.TabbedNotebook1->setPageIndex(TForm1::EditTeam);
    f.editTeamPage()->nouveau->setFocus();
    QTest::keyClicks(f.editTeamPage()->nouveau, QStringLiteral("Ann"));
    // A paste with a TAB or a line end is refused whole.
    f.editTeamPage()->nouveau->insert(QStringLiteral("\tx"));
    f.editTeamPage()->nouveau->insert(QStringLiteral("\r\n"));
    f.editTeamPage()->nouveau->insert(QStringLiteral("\x1b"));
    QCOMPARE(f.editTeamPage()->nouveau->text(), QStringLiteral("Ann"));
    f.editTeamPage()->nouveau->insert(QStringLiteral("a & Co"));
    QCOMPARE(f.editTeamPage()->nouveau->text(), QStringLiteral("Anna & Co"));
}

namespace {

// What a label draws: its whole text, neither "&" taken as a shortcut mark
// nor tags taken as markup (those would make it narrower than its text).
void showAsIs(const QLabel *label, const QString &text)
{
    QVERIFY2(label->text().contains(text), qPrintable(label->objectName() + ": " + label->text()));
    QVERIFY2(label->textFormat() == Qt::PlainText
                 || (!Qt::mightBeRichText(label->text()) && !label->buddy()),
             qPrintable(label->objectName()));
    QVERIFY(label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(label->text()));
}

// What a tooltip shows.
QString toolTipText(const QString &tip)
{
    if (!Qt::mightBeRichText(tip))
        return tip;
    QTextDocument doc;
    doc.setHtml(tip);
    return doc.toPlainText();
}

} // namespace

void TstHardening::namesShowAsTheyAreInEveryCaption()
{
    const QByteArray tt = "Trinidad & Tobago", fiji = "<b>Fiji</b>";
    QByteArray a = Bytes::equipe(tt, 0, 0, 0, 0, "bresil", {{"O&Neil", 0}})
                 + Bytes::equipe(fiji, 0, 0, 0, 0, "ecosse", {{"<i>Tui</i>", 0}});
    for (int i = 2; i < 4; ++i)
        a += Bytes::equipe(Fixture::teamName('A', i), 0, 0, 0, 0, Fixture::flagBytes('A', i), Fixture::squad('A', i));
    QByteArray qualif = Bytes::nom(tt) + Bytes::nom(fiji);
    for (char g = 'B'; g <= 'H'; ++g)
        qualif += Bytes::nom(Fixture::teamName(g, 0)) + Bytes::nom(Fixture::teamName(g, 1));
    for (const auto &[name, bytes] : {std::pair{"groupeA.dat", a}, std::pair{"qualif.dat", qualif}}) {
        QFile f(file(QStringLiteral("data/") + QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    const QString ttText = QString::fromLatin1(tt), fijiText = QString::fromLatin1(fiji);

    Fixture::Session s(file(QStringLiteral("data")));
    TForm1 &f = s.form;
    DialogSet &w = f.dialogs();
    // Confirm dialog, then the already-recorded dialog for the same pair.
    QVERIFY(f.TabbedNotebook1->setPageIndex(TForm1::NewResult));
    chooses(f.newResultPage()->lettre, QStringLiteral("A"));
    QCOMPARE(f.newResultPage()->equipe1->currentText(), ttText);
    QCOMPARE(f.newResultPage()->equipe2->currentText(), fijiText);
    f.newResultPage()->Valider->click();
    QVERIFY(w.validation()->isVisible());
    showAsIs(w.validation()->equipe1, ttText);
    showAsIs(w.validation()->equipe2, fijiText);
    w.validation()->OKBtn->click();
    f.newResultPage()->Valider->click();
    QVERIFY(w.deja_lieu()->isVisible());
    showAsIs(w.deja_lieu()->equipe1, ttText);
    showAsIs(w.deja_lieu()->equipe2, fijiText);
    w.deja_lieu()->OKBtn->click();

    // The bracket: the flags' captions and tooltips.
    f.welcomePage()->tour2->click();
    TForm2 &bracket = *w.Form2();
    QVERIFY(bracket.isVisible());
    showAsIs(bracket.nom(bracket.qualifies[0]), ttText);
    showAsIs(bracket.nom(bracket.qualifies[1]), fijiText);
    QCOMPARE(toolTipText(bracket.qualifies[0]->toolTip()), ttText);
    QCOMPARE(toolTipText(bracket.qualifies[1]->toolTip()), fijiText);
    QCOMPARE(toolTipText(bracket.nom(bracket.qualifies[1])->toolTip()), fijiText);

    // The champion screen and the rankings.
    Tournament &t = f.tournament();
    TEquipe *first = t.cherche_equipe(ttText), *second = t.cherche_equipe(fijiText);
    QVERIFY(first && second);
    t.champion = first;
    t.finalistes = {first, second};
    t.troisieme_place = t.petite_finale[0] = t.cherche_equipe(QStringLiteral("Team B1"));
    t.petite_finale[1] = t.cherche_equipe(QStringLiteral("Team C1"));
    w.champion_du_monde()->show();
    showAsIs(w.champion_du_monde()->nom, ttText);
    w.champion_du_monde()->OKClick();
    w.bilans()->show();
    showAsIs(w.bilans()->premier, ttText);
    showAsIs(w.bilans()->second, fijiText);

    // No button anywhere carries a name: there "&" would mark a shortcut.
    for (QWidget *top : QApplication::topLevelWidgets())
        for (const QAbstractButton *b : top->findChildren<QAbstractButton *>())
            QVERIFY2(!b->text().contains(QLatin1String("Tobago")) && !b->text().contains(QLatin1String("Fiji")),
                     qPrintable(b->objectName()));
}

void TstHardening::drawingLotsSentenceHasSingleBlanks()
{
    Fixture::Session s(file(QStringLiteral("data")));
    TForm3 &lots = *s.form.dialogs().Form3();
    // Nothing played: every group is one tie, slot 0 is drawn first.
    lots.show();
    const auto the = lots.findChild<QLabel *>(QStringLiteral("Label2"));
    const auto known = lots.findChild<QLabel *>(QStringLiteral("Label3"));
    QVERIFY(the && known);
    const auto gaps = [&] {
        // Left-aligned labels draw their text from their left edge.
        const QFontMetrics fm = lots.position->fontMetrics();
        const int start = lots.position->alignment() & Qt::AlignHCenter
                              ? lots.position->x() + (lots.position->width() - fm.horizontalAdvance(lots.position->text())) / 2
                              : lots.position->x();
        return std::pair{start - (the->x() + fm.horizontalAdvance(the->text())),
                         known->x() - (start + fm.horizontalAdvance(lots.position->text()))};
    };
    const int blank = lots.position->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    QCOMPARE(lots.position->text(), QStringLiteral("premier"));
    auto [before, after] = gaps();
    QVERIFY2(qAbs(before - blank) <= 1 && qAbs(after - blank) <= 1, qPrintable(QStringLiteral("%1 %2 %3").arg(before).arg(after).arg(blank)));
    lots.equipes->item(0)->setSelected(true);
    lots.BitBtn1->click();
    QCOMPARE(lots.position->text(), QStringLiteral("second"));
    std::tie(before, after) = gaps();
    QVERIFY2(qAbs(before - blank) <= 1 && qAbs(after - blank) <= 1, qPrintable(QStringLiteral("%1 %2 %3").arg(before).arg(after).arg(blank)));
    lots.AnnulerClick();
}

void TstHardening::startSettlesACrashedSave_data()
{
    QTest::addColumn<QByteArray>("commit");
    QTest::addColumn<int>("matches");
    // A save of one group match, killed after its new matchs.dat was written
    // beside the old one: with the commit file complete the window shows
    // the match, with it cut or missing the folder stays as it was.
    QTest::newRow("committed") << QByteArray("folder-commit 1\nput matchs.dat\nend\n") << 1;
    QTest::newRow("commit file cut") << QByteArray("folder-commit 1\nput matchs.dat\n") << 0;
    QTest::newRow("no commit file") << QByteArray() << 0;
}

void TstHardening::startSettlesACrashedSave()
{
    QFETCH(QByteArray, commit);
    QFETCH(int, matches);
    const QString dir = file(QStringLiteral("data"));
    const std::pair<const char *, QByteArray> files[] = {
        {"matchs.dat", QByteArray()},
        {".staged-matchs.dat", Bytes::match('A', Fixture::teamName('A', 0), Fixture::teamName('A', 1), 1, 0)},
        {".folder-commit", commit}};
    for (const auto &[name, bytes] : files) {
        if (bytes.isNull())
            continue;
        QFile f(QDir(dir).filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    Fixture::Session s(dir);
    QVERIFY(s.form.tournament().chargement_ok);
    QCOMPARE(int(s.form.tournament().liste_matchs.size()), matches);
    QCOMPARE(QDir(dir).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(Fixture::lit(QDir(dir).filePath(QStringLiteral("matchs.dat"))).size(), 56 * matches);
}

void TstHardening::fileErrorAtStartIsCentredOnTheScreen()
{
    QVERIFY(QFile::remove(file(QStringLiteral("data/groupeF.dat"))));
    QtPlatform platform;
    QRect box;
    QString text, detail;
    QTimer::singleShot(0, [&] {
        auto *shown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(shown);
        box = shown->frameGeometry();
        text = shown->text();
        detail = shown->informativeText();
        shown->accept();
    });
    TForm1 f(file(QStringLiteral("data")), platform);
    QVERIFY(!f.tournament().chargement_ok);
    QCOMPARE(text, QStringLiteral("File Error !"));
    const QPoint screen = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY2((box.center() - screen).manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2 vs %3,%4").arg(box.center().x()).arg(box.center().y()).arg(screen.x()).arg(screen.y())));
}

namespace {

// One played group match, a round-of-16 record and a finished drawing of lots.
void writePart(const QString &dir)
{
    QByteArray qualif;
    for (char g = 'A'; g <= 'H'; ++g)
        qualif += Bytes::nom(Fixture::teamName(g, 0)) + Bytes::nom(Fixture::teamName(g, 1));
    QByteArray groupeA;
    groupeA += Bytes::equipe("Team A1", 1, 3, 2, 0, "bresil", Fixture::squad('A', 0, 2));
    groupeA += Bytes::equipe("Team A2", 1, 0, 0, 2, "ecosse", Fixture::squad('A', 1));
    groupeA += Bytes::equipe("Team A3", 0, 0, 0, 0, "maroc", Fixture::squad('A', 2));
    groupeA += Bytes::equipe("Team A4", 0, 0, 0, 0, "norvege", Fixture::squad('A', 3));
    const std::pair<const char *, QByteArray> files[] = {
        {"groupeA.dat", groupeA},
        {"matchs.dat", Bytes::match('A', "Team A1", "Team A2", 2, 0)},
        {"tour2.dat", Bytes::match('1', "Team A1", "Team B2", 3, 2)},
        {"qualif.dat", qualif}};
    for (const auto &[name, bytes] : files) {
        QFile f(QDir(dir).filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
}

QMap<QString, QByteArray> content(const QString &dir)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(dir).entryList({"*.dat"}, QDir::Files))
        files.insert(name, Fixture::lit(QDir(dir).filePath(name)));
    return files;
}

} // namespace

void TstHardening::resetsAskFirst_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Reset All, automatic save") << "initialiser" << true << "Reset All ?";
    QTest::newRow("Reset All") << "initialiser" << false << "Reset All ?";
    QTest::newRow("Reset Stage 2, automatic save") << "initTour2" << true << "Reset Stage 2 ?";
    QTest::newRow("Reset Stage 2") << "initTour2" << false << "Reset Stage 2 ?";
}

void TstHardening::resetsAskFirst()
{
    QFETCH(QString, button);
    QFETCH(bool, automatic);
    QFETCH(QString, caption);
    const QString dir = file(QStringLiteral("data"));
    writePart(dir);
    const QMap<QString, QByteArray> before = content(dir);
    QCOMPARE(before.size(), 11);

    Fixture::Session s(dir);
    TForm1 &f = s.form;
    f.welcomePage()->sauve_auto->setChecked(automatic);
    auto *reset = f.findChild<QPushButton *>(button);
    QVERIFY(reset);
    // "No": nothing in memory or on disk changes.
    QStringList lines;
    s.platform.answer = QStringLiteral("Non");
    s.platform.duringQuestion = [&](QDialog *d) {
        QVERIFY(d->isVisible());
        QCOMPARE(d->findChild<QPushButton *>(QStringLiteral("Oui"))->text(), QStringLiteral("Yes"));
        QCOMPARE(d->findChild<QPushButton *>(QStringLiteral("Non"))->text(), QStringLiteral("No"));
        for (const QLabel *l : d->findChildren<QLabel *>())
            if (!l->text().isEmpty())
                lines << l->text();
    };
    reset->click();
    QCOMPARE(s.platform.questions, QStringList{caption});
    QVERIFY(lines.join(QLatin1Char(' ')).contains(QLatin1String("will be lost")));
    QVERIFY(lines.join(QLatin1Char(' ')).contains(automatic ? QLatin1String("changed at once")
                                                            : QLatin1String("only when you save")));
    QVERIFY(!f.tournament().modifie);
    QCOMPARE(int(f.tournament().liste_matchs.size()), 1);
    QCOMPARE(int(f.tournament().liste_tour2.size()), 1);
    QVERIFY(f.tournament().qualifies[0]);
    QCOMPARE(content(dir), before);
    // Closing the question by Escape is "No" as well.
    s.platform.answer = QString();
    reset->click();
    QCOMPARE(content(dir), before);
    QCOMPARE(int(f.tournament().liste_tour2.size()), 1);

    // "Yes": the reset runs.
    s.platform.answer = QStringLiteral("Oui");
    s.platform.duringQuestion = nullptr;
    reset->click();
    QVERIFY(f.tournament().liste_tour2.empty());
    QCOMPARE(f.tournament().liste_matchs.empty(), button == QLatin1String("initialiser"));
    QCOMPARE(QFile::exists(QDir(dir).filePath(QStringLiteral("qualif.dat"))), !automatic);
}

namespace {

// Pixels of a control's face (its border left out) that are black or nearly.
int blackPixels(QWidget *w)
{
    const QImage image = w->grab().toImage();
    int n = 0;
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 3; x < image.width() - 3; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() < 60 && c.green() < 60 && c.blue() < 60)
                ++n;
        }
    return n;
}

} // namespace

void TstHardening::disabledButtonsLookDisabled()
{
    Fixture::Session s(file(QStringLiteral("data")));
    TForm1 &f = s.form;
    f.welcomePage()->tour2->click();
    TForm2 &bracket = *f.dialogs().Form2();
    QVERIFY(bracket.isVisible());
    // Fewer than 48 group matches: every "Score" button is disabled.
    QList<QPushButton *> buttons = {f.newResultPage()->Valider, f.editTeamPage()->Ajouter, f.editTeamPage()->Enlever, f.editTeamPage()->Corriger, bracket.bouton('1'),
                                    bracket.bouton('A'), bracket.bouton('F'), bracket.bouton('Y')};
    for (QPushButton *b : buttons) {
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        QCOMPARE(b->palette().color(QPalette::Disabled, QPalette::ButtonText), QColor(128, 128, 128));
        QCOMPARE(b->font().family(), QStringLiteral("Comic Sans MS"));
        QVERIFY2(blackPixels(b) == 0, qPrintable(b->objectName()));
        // The same button enabled writes in black.
        b->setEnabled(true);
        QVERIFY2(blackPixels(b) > 0, qPrintable(b->objectName()));
        b->setEnabled(false);
    }
    bracket.RetourClick();
}

void TstHardening::tabRowsStayInPlace()
{
    Fixture::Session s(file(QStringLiteral("data")));
    TabbedNotebook &book = *s.form.TabbedNotebook1;
    QList<QRect> places;
    for (int i = 0; i < book.count(); ++i)
        places << book.tab(i)->geometry();
    // Seven tabs, six to a row: "About The Author" has a row of its own.
    QVERIFY(places[TForm1::AboutTheAuthor].y() != places[TForm1::Welcome].y());
    QTest::mouseClick(book.tab(TForm1::AboutTheAuthor), Qt::LeftButton);
    QCOMPARE(book.pageIndex(), int(TForm1::AboutTheAuthor));
    for (int i = 0; i < book.count(); ++i)
        QCOMPARE(book.tab(i)->geometry(), places[i]);
    // The next click where "Statistics" was lands on "Statistics".
    QWidget *hit = book.childAt(places[TForm1::Statistics].center());
    QCOMPARE(hit, book.tab(TForm1::Statistics));
    QTest::mouseClick(hit, Qt::LeftButton);
    QCOMPARE(book.pageIndex(), int(TForm1::Statistics));
    for (int i = 0; i < book.count(); ++i)
        QCOMPARE(book.tab(i)->geometry(), places[i]);
}

void TstHardening::fileErrorNamesTheFile()
{
    const QString dir = file(QStringLiteral("data"));
    QVERIFY(QFile::remove(QDir(dir).filePath(QStringLiteral("groupeC.dat"))));
    {
        ScriptedPlatform platform;
        TForm1 f(dir, platform);
        QCOMPARE(platform.messages, QStringList{QStringLiteral("File Error !")});
        QCOMPARE(platform.fileList, QStringList{QDir(dir).filePath(QStringLiteral("groupeC.dat"))});
    }
    // The program's own box: "File Error !" and, below it, the file.
    QtPlatform platform;
    QString text, detail;
    QTimer::singleShot(0, [&] {
        if (auto *shown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = shown->text();
            detail = shown->informativeText();
            shown->accept();
        }
    });
    TForm1 f(dir, platform);
    QCOMPARE(text, QStringLiteral("File Error !"));
    QVERIFY2(detail.contains(QDir::toNativeSeparators(QDir(dir).filePath(QStringLiteral("groupeC.dat")))),
             qPrintable(detail));
}

void TstHardening::missingPictureIsReportedOncePerRun()
{
    const QString dir = file(QStringLiteral("data"));
    for (const char *picture : {"defaut.bmp", "bresil.bmp", "mascot.bmp"})
        QVERIFY(QFile::remove(QDir(dir).filePath(QLatin1String(picture))));
    Fixture::Session s(dir);
    TForm1 &f = s.form;
    // Eight windows show the mascot: one box.
    QCOMPARE(s.platform.fileList, QStringList{QDir(dir).filePath(QStringLiteral("mascot.bmp"))});
    // "Statistics" shows defaut.bmp on every entry and Team A1's flag on every choice.
    for (int round = 0; round < 3; ++round) {
        QVERIFY(f.TabbedNotebook1->setPageIndex(TForm1::Statistics));
        chooses(f.statisticsPage()->lettregrp, QStringLiteral("A"));
        QVERIFY(f.TabbedNotebook1->setPageIndex(TForm1::EditTeam));
        chooses(f.editTeamPage()->groupe, QStringLiteral("A"));
    }
    // The bracket shows defaut.bmp for its empty slots, each time it is shown.
    for (int round = 0; round < 2; ++round) {
        f.welcomePage()->tour2->click();
        f.dialogs().Form2()->RetourClick();
    }
    QCOMPARE(s.platform.fileList, QStringList({QDir(dir).filePath(QStringLiteral("mascot.bmp")),
                                                 QDir(dir).filePath(QStringLiteral("defaut.bmp")),
                                                 QDir(dir).filePath(QStringLiteral("bresil.bmp"))}));
    QCOMPARE(s.platform.messages.size(), 3);
}

void TstHardening::typedLetterOfNoGroupEmptiesTheBox_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::newRow("Classifications, lower case") << int(TForm1::Classifications) << "lettre_groupe" << "a";
    QTest::newRow("Classifications, no such letter") << int(TForm1::Classifications) << "lettre_groupe" << "Z";
    QTest::newRow("Statistics, lower case") << int(TForm1::Statistics) << "lettregrp" << "a";
    QTest::newRow("Statistics, no such letter") << int(TForm1::Statistics) << "lettregrp" << "Z";
}

void TstHardening::typedLetterOfNoGroupEmptiesTheBox()
{
    QFETCH(int, page);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    Fixture::Session s(file(QStringLiteral("data")));
    TForm1 &f = s.form;
    QApplication::setActiveWindow(&f);
    QVERIFY(f.TabbedNotebook1->setPageIndex(page));
    auto *combo = f.findChild<QComboBox *>(box);
    QVERIFY(combo);
    // Group A shown first, then a letter that names no group typed over it.
    chooses(combo, QStringLiteral("A"));
    const auto shown = [&] {
        return page == TForm1::Classifications ? f.classificationsPage()->classement->item(1, 0)->text() : f.statisticsPage()->nom_equipe->currentText();
    };
    QCOMPARE(shown(), QStringLiteral("Team A1"));
    combo->setFocus();
    // Completion works only in the focused box, as the user types in it.
    QVERIFY(combo->lineEdit()->hasFocus());
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), typed);
    QCOMPARE(combo->currentText(), QString());
    QCOMPARE(shown(), QString());
    // Enter on the emptied box loads nothing.
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(combo->currentText(), QString());
    QCOMPARE(shown(), QString());
    // Leaving the box keeps it empty as well.
    f.TabbedNotebook1->setFocus();
    QCOMPARE(combo->currentText(), QString());
}

void TstHardening::newFoldersStartWithoutFileError_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::newRow("create") << QStringList{QStringLiteral("--create=" TEST_SOURCE_DIR "/examples/tournament/tournament.txt")};
    QTest::newRow("import") << QStringList{QStringLiteral("--import=" TEST_SOURCE_DIR
                                                          "/tests/data/open-football/worldcup-1998/cup.txt")};
}

void TstHardening::newFoldersStartWithoutFileError()
{
    QFETCH(QStringList, command);
    // A picture of the user's own already in the folder stays as it is.
    const QString dir = file(QStringLiteral("new"));
    QVERIFY(QDir().mkpath(dir));
    const QString example = QStringLiteral(TEST_SOURCE_DIR "/examples/tournament/");
    QVERIFY(QFile::copy(example + "defaut.bmp", dir + "/mascot.bmp"));
    QProcess p;
    p.start(QStringLiteral(TROPHEX_BIN), command << dir);
    QVERIFY(p.waitForFinished(60000));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());

    // The program's pictures as the example has them; every team's flag is drawn.
    for (const char *own : {"tpx.ico", "sigle.bmp", "defaut.bmp", "coupe.bmp", "logo.bmp"})
        QVERIFY2(Fixture::lit(dir + "/" + own) == Fixture::lit(example + own), own);
    QCOMPARE(Fixture::lit(dir + "/mascot.bmp"), Fixture::lit(example + "defaut.bmp"));

    // Start, statistics with the empty flag, the bracket with every flag:
    // not one "File Error !".
    Fixture::Session s(dir);
    TForm1 &f = s.form;
    QVERIFY(f.tournament().chargement_ok);
    for (const auto &g : f.tournament().groupes)
        for (const auto &team : g.teams)
            QVERIFY2(QFile::exists(dir + "/" + team->flagFile()), qPrintable(team->flagFile()));
    QTest::mouseClick(f.TabbedNotebook1->tab(TForm1::Statistics), Qt::LeftButton);
    chooses(f.statisticsPage()->lettregrp, QStringLiteral("C"));
    QTest::mouseClick(f.welcomePage()->tour2, Qt::LeftButton);
    QVERIFY(f.dialogs().Form2()->isVisible() || f.dialogs().Form3()->isVisible());
    QCOMPARE(s.platform.messages, QStringList());
}

void TstHardening::fileErrorShowsThePathOnOneLine()
{
    const QString path = QStringLiteral("/home/somebody/tournaments/world tournament 1998/group stage/mascot.bmp");
    QtPlatform platform;
    QLabel *detail = nullptr;
    QString text;
    int needed = 0, width = 0;
    QTimer::singleShot(0, [&] {
        auto *shown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(shown);
        detail = shown->findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel"));
        QVERIFY(detail);
        text = detail->text();
        // The label is as wide as the text in one line.
        needed = detail->fontMetrics().horizontalAdvance(text);
        width = detail->contentsRect().width();
        shown->accept();
    });
    platform.fileError(nullptr, path);
    QVERIFY2(text.contains(path), qPrintable(text));
    QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1 px for a line of %2").arg(width).arg(needed)));
}

QTEST_MAIN(TstHardening)
#include "tst_hardening.moc"
