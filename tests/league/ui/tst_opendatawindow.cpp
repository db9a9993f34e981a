// "Öffnen" and "Speichern unter..." with the Football.TXT and Football.JSON
// file types: an import leaves the league untitled and unsaved with the
// competition as the offered name, says what it left out, and keeps the
// open league when the file cannot be taken; an export writes the file and
// leaves the league's own name and state alone.
#include "league/model/League.h"
#include "league/model/LeagueOpenData.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmTN.h"
#include "mainwindow_helper.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString kBundesliga = QStringLiteral(TEST_SOURCE_DIR "/tests/data/open-football/league/de-2023-24-bundesliga.txt");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Matchday 1 of eighteen teams, in the form given.
QByteArray firstMatchdayText()
{
    QByteArray text = "= Liga 2024/25\nMatchday 1\n[Sat Aug/3]\n";
    for (int k = 1; k <= 17; k += 2)
        text += "  Verein " + QByteArray::number(k) + "  1-0  Verein " + QByteArray::number(k + 1) + "\n";
    return text;
}

QByteArray firstMatchdayJson()
{
    QByteArray json = "{\"name\": \"Kreisliga 2024/25\", \"matches\": [\n";
    for (int k = 1; k <= 17; k += 2) {
        json += "{\"round\": \"Matchday 1\", \"date\": \"2024-08-10\", \"team1\": \"Süd " + QByteArray::number(k)
            + "\", \"team2\": \"Süd " + QByteArray::number(k + 1) + "\", \"score\": {\"ft\": [2, 2]}},\n";
    }
    json += "{\"round\": \"Matchday 2\", \"date\": \"2024-08-17\", \"team1\": \"Süd 2\", \"team2\": \"Süd 1\"}]}\n";
    return json;
}

} // namespace

class TestOpenDataWindow : public QObject {
    Q_OBJECT

private:
    using Fixture = MainWindowFixture;

private slots:
    void textImportLeavesTheLeagueUntitledWithTheCompetitionOffered();
    void jsonImportThroughItsFileType();
    void leftOutPartsAreShown();
    void failedImportKeepsTheOpenLeague();
    void exportKeepsTheLeaguesNameAndState();
    void exportAnswersTheSavePrompt();
};

void TestOpenDataWindow::textImportLeavesTheLeagueUntitledWithTheCompetitionOffered()
{
    Fixture f;
    League &l = f.frm->league();
    f.platform.files.accept(kBundesliga, 3);
    f.trigger("mnuOeffnen");
    QVERIFY(f.platform.messages.shown.isEmpty());
    QCOMPARE(f.frm->windowTitle(), QStringLiteral("Tabulon '98"));
    QVERIFY(l.leagueFileName.isEmpty());
    QVERIFY(!l.leagueSaved);
    QCOMPARE(l.teamNames[1], QStringLiteral("SV Werder Bremen"));
    QCOMPARE(f.panel<QComboBox>("cboTeamA1")->itemText(2), QStringLiteral("FC Bayern München"));
    // Every matchday is played: the last one is shown.
    QCOMPARE(f.panel<QLabel>("lblST")->text(), QStringLiteral("34. Spieltag"));
    QCOMPARE(f.panel<QComboBox>("cboTeamA1")->currentText(), QStringLiteral("TSG 1899 Hoffenheim"));

    f.platform.files.cancel();
    f.trigger("mnuSpeichern");
    const auto &asked = f.platform.files.asked.last();
    QCOMPARE(asked.kind, FileDialogState::Save);
    QCOMPARE(asked.presetName, QFileInfo(kBundesliga).absolutePath() + QStringLiteral("/Deutsche Bundesliga 2023-24.T98"));
    QCOMPARE(asked.presetIndex, 1);
    QCOMPARE(asked.typeCaptions, (QStringList{QStringLiteral("Tabulon '98 (*.t98)"), QStringLiteral("Football.TXT (*.txt)"),
                                              QStringLiteral("Football.JSON (*.json)")}));
}

void TestOpenDataWindow::jsonImportThroughItsFileType()
{
    Fixture f;
    const QString path = f.dir.filePath("liga.json");
    writeFile(path, firstMatchdayJson());
    f.platform.files.accept(path, 4);
    f.trigger("mnuOeffnen");
    QVERIFY(f.platform.messages.shown.isEmpty());
    const League &l = f.frm->league();
    QCOMPARE(l.teamCount, 18);
    QCOMPARE(l.roundCount, 2);
    // Pairings and goals; each match also keeps its own day.
    auto pairing = [](const Match &m) { return Match{m.teamA, m.teamB, m.goalsA, m.goalsB}; };
    QCOMPARE(pairing(l.match(1, 9)), (Match{17, 18, 2, 2}));
    QCOMPARE(pairing(l.match(2, 1)), (Match{2, 1, -1, -1}));
    QCOMPARE(l.dates(2).dateFrom, QStringLiteral("17.08.2024"));
    QCOMPARE(l.currentRound, 1);
    QCOMPARE(f.panel<QComboBox>("cboTeamB9")->currentText(), QStringLiteral("Süd 18"));
    QCOMPARE(f.panel<QLineEdit>("meTorA9")->text(), QStringLiteral("2"));
}

void TestOpenDataWindow::leftOutPartsAreShown()
{
    Fixture f;
    const QString path = f.dir.filePath("liga.txt");
    writeFile(path, firstMatchdayText() + "\n== Finals\n[Sat May/24]\n  Verein 1  2-2  Verein 2\n");
    f.platform.files.accept(path, 3);
    f.trigger("mnuOeffnen");
    QCOMPARE(f.platform.messages.shown.size(), 1);
    QCOMPARE(f.platform.messages.shown[0].icon, MessageBoxSeam::Information);
    QCOMPARE(f.platform.messages.shown[0].text,
             QStringLiteral("Aus liga.txt nicht übernommen:\nZeile 14: Stufe \"Finals\" übersprungen (1 Spiel)"));
    QCOMPARE(f.frm->league().teamCount, 18);
    QCOMPARE(f.frm->league().roundCount, 1);
}

void TestOpenDataWindow::failedImportKeepsTheOpenLeague()
{
    Fixture f;
    League &l = f.frm->league();
    l.teamNames[1] = QStringLiteral("Bleibt");
    l.leagueFileName = f.dir.filePath("alt.t98");
    l.leagueSaved = true;
    const QString path = f.dir.filePath("kaputt.txt");
    writeFile(path, "= Liga 2024/25\nMatchday 1\n  A  1-0  B\n  C  D\n");
    f.platform.files.accept(path, 3);
    f.trigger("mnuOeffnen");
    QCOMPARE(f.platform.messages.shown.size(), 1);
    QCOMPARE(f.platform.messages.shown[0].text,
             QStringLiteral("Datei %1, Zeile 4: Zeile nicht verstanden: C  D").arg(path));
    QCOMPARE(l.teamNames[1], QStringLiteral("Bleibt"));
    QCOMPARE(l.teamCount, 18);
    QCOMPARE(l.leagueFileName, f.dir.filePath("alt.t98"));
    QVERIFY(l.leagueSaved);
}

void TestOpenDataWindow::exportKeepsTheLeaguesNameAndState()
{
    Fixture f;
    f.platform.files.accept(kBundesliga, 3);
    f.trigger("mnuOeffnen");
    League &l = f.frm->league();
    const League imported = l;

    // A bare name gets the chosen type's extension, a league file's is replaced.
    f.platform.files.accept(f.dir.filePath("saison"), 2);
    f.trigger("mnuUnter");
    f.platform.files.accept(f.dir.filePath("saison.t98"), 3);
    f.trigger("mnuUnter");
    QVERIFY(f.platform.messages.shown.isEmpty());
    QVERIFY(l.leagueFileName.isEmpty());
    QVERIFY(!l.leagueSaved);
    QCOMPARE(f.frm->windowTitle(), QStringLiteral("Tabulon '98"));
    QVERIFY(!QFile::exists(f.dir.filePath("saison.t98")));
    const QByteArray text = readFile(f.dir.filePath("saison.txt"));
    QVERIFY(text.startsWith("= Deutsche Bundesliga 2023/24\n"));
    QVERIFY(LeagueOpenData::importFile(f.dir.filePath("saison.txt"), LeagueOpenData::Format::Txt).league.sameContents(imported));
    QVERIFY(LeagueOpenData::importFile(f.dir.filePath("saison.json"), LeagueOpenData::Format::Json).league.sameContents(imported));

    // Saved as a league file, the league takes that name; an export after
    // it leaves the name and the saved state as they are.
    f.platform.files.accept(f.dir.filePath("saison.t98"), 1);
    f.trigger("mnuUnter");
    QCOMPARE(l.leagueFileName, f.dir.filePath("saison.t98"));
    QVERIFY(l.leagueSaved);
    l.startWins[3] = 2;
    f.platform.files.accept(f.dir.filePath("zwei.txt"), 2);
    f.trigger("mnuUnter");
    QCOMPARE(l.leagueFileName, f.dir.filePath("saison.t98"));
    QVERIFY(l.leagueSaved);
    QCOMPARE(f.platform.messages.shown.size(), 1);
    QCOMPARE(f.platform.messages.shown[0].text,
             QStringLiteral("In zwei.txt nicht enthalten:\nStartwerte und Strafpunkte nicht exportiert"));
    QVERIFY(readFile(f.dir.filePath("zwei.txt")).startsWith("= Deutsche Bundesliga 2023/24\n"));
}

void TestOpenDataWindow::exportAnswersTheSavePrompt()
{
    // "&Ja" to the prompt of "Neu", and a Football file type in the dialog:
    // the league goes to that file and the new league follows.
    Fixture f;
    League &l = f.frm->league();
    l.teamNames[1] = QStringLiteral("Nord");
    l.teamNames[2] = QStringLiteral("Süd");
    l.match(1, 1) = Match{1, 2, 3, 0};
    l.leagueSaved = false;
    f.platform.messages.answers.enqueue(MessageBoxSeam::Yes);
    f.platform.files.accept(f.dir.filePath("vorher.json"), 3);
    f.trigger("mnuNeu");
    QVERIFY(l.teamNames[1].isEmpty());
    QVERIFY(l.leagueSaved);
    const League back = LeagueOpenData::importFile(f.dir.filePath("vorher.json"), LeagueOpenData::Format::Json).league;
    QCOMPARE(back.teamNames[1], QStringLiteral("Nord"));
    QCOMPARE(back.match(1, 1), (Match{1, 2, 3, 0}));
}

QTEST_MAIN(TestOpenDataWindow)
#include "tst_opendatawindow.moc"
