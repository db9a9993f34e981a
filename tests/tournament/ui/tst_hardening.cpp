#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include "fixture_helper.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/TForm2.h"
#include "tournament/ui/TabbedNotebook.h"

using Fixture::choisit;

// Names and pictures from group files made by other means.
class TstHardening : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void flagsComeFromTheTournamentFolderOnly_data();
    void flagsComeFromTheTournamentFolderOnly();
    void typedPlayerNameRefusesControlCharacters();

private:
    QString fichier(const QString &name) const { return QDir(m_tmp->path()).filePath(name); }
    // Group A with the given flag for its first team; the other teams as the fixture has them.
    void ecritGroupeA(const QByteArray &flag);

    std::unique_ptr<QTemporaryDir> m_tmp;
};

void TstHardening::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    QVERIFY(QDir(m_tmp->path()).mkdir(QStringLiteral("data")));
    Fixture::prepare(fichier(QStringLiteral("data")));
}

void TstHardening::ecritGroupeA(const QByteArray &flag)
{
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes += Octets::equipe(Fixture::nomEquipe('A', i), 0, 0, 0, 0, i == 0 ? flag : Fixture::drapeau('A', i),
                                Fixture::squad('A', i));
    QFile f(fichier(QStringLiteral("data/groupeA.dat")));
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
    const QString outside = flag.startsWith('/') ? QString::fromLatin1(flag + ".bmp") : fichier(QStringLiteral("outside.bmp"));
    QFile::remove(outside);
    QVERIFY(QFile::copy(fichier(QStringLiteral("data/bresil.bmp")), outside));
    const auto cleanup = qScopeGuard([&] { QFile::remove(outside); });
    ecritGroupeA(flag);

    Fixture::Session s(fichier(QStringLiteral("data")));
    TForm1 &f = s.form;
    QVERIFY(f.tournoi().chargement_ok);
    QVERIFY(s.plateforme.messages.isEmpty());
    f.TabbedNotebook1->setPageIndex(TForm1::EditTeam);
    choisit(f.groupe, QStringLiteral("A"));
    QCOMPARE(f.equipe->currentText(), QStringLiteral("Team A1"));
    QVERIFY(f.Imageq->pixmap().isNull());
    QCOMPARE(s.plateforme.messages, QStringList{QStringLiteral("File Error !")});
    // Team A2's flag is a plain name and loads.
    choisit(f.equipe, QStringLiteral("Team A2"));
    QVERIFY(!f.Imageq->pixmap().isNull());

    f.TabbedNotebook1->setPageIndex(TForm1::Statistics);
    choisit(f.lettregrp, QStringLiteral("A"));
    QVERIFY(f.Image->pixmap().isNull());
}

void TstHardening::typedPlayerNameRefusesControlCharacters()
{
    Fixture::Session s(fichier(QStringLiteral("data")));
    TForm1 &f = s.form;
    f.TabbedNotebook1->setPageIndex(TForm1::EditTeam);
    f.nouveau->setFocus();
    QTest::keyClicks(f.nouveau, QStringLiteral("Ann"));
    // A paste with a TAB or a line end is refused whole.
    f.nouveau->insert(QStringLiteral("\tx"));
    f.nouveau->insert(QStringLiteral("\r\n"));
    f.nouveau->insert(QStringLiteral("\x1b"));
    QCOMPARE(f.nouveau->text(), QStringLiteral("Ann"));
    f.nouveau->insert(QStringLiteral("a & Co"));
    QCOMPARE(f.nouveau->text(), QStringLiteral("Anna & Co"));
}

QTEST_MAIN(TstHardening)
#include "tst_hardening.moc"
