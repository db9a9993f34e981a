#include <QtTest>

#include "common/BoundedFile.h"
#include "common/FootballTxt.h"
#include "league/model/ReadFaults.h"

// The league program words the shared readers' faults itself; a problem
// code without its own German text would fall back to the bare detail.
class TestReadFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyProblemHasGermanWords_data();
    void everyProblemHasGermanWords();
    void fileReasons_data();
    void fileReasons();
};

void TestReadFaults::everyProblemHasGermanWords_data()
{
    using FootballTxt::Problem;
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("expected");
    QTest::newRow("not UTF-8") << int(Problem::NotUtf8) << "kein UTF-8-Text";
    QTest::newRow("CR alone") << int(Problem::CrLineEnds)
                              << "Zeilenenden nur aus CR; die Datei mit LF- oder CR-LF-Zeilenenden speichern";
    QTest::newRow("too large") << int(Problem::TooLarge) << "größer als 4 MB";
    QTest::newRow("long line") << int(Problem::LineTooLong)
                               << QStringLiteral("Zeile länger als %1 Zeichen").arg(FootballTxt::kMaxLineLength);
    QTest::newRow("control") << int(Problem::ControlCharacter) << "Steuerzeichen in der Zeile";
    QTest::newRow("unknown line") << int(Problem::UnknownLine) << "Zeile nicht verstanden: xyz";
    QTest::newRow("score") << int(Problem::BadScore) << "Ergebnis nicht verstanden: xyz";
    QTest::newRow("team") << int(Problem::MissingTeam) << "zweite Mannschaft fehlt: xyz";
    QTest::newRow("name") << int(Problem::BadName) << "Name nicht verwendbar: xyz";
    QTest::newRow("date") << int(Problem::BadDate) << "kein gültiges Datum: xyz";
    QTest::newRow("time") << int(Problem::BadTime) << "keine gültige Uhrzeit: xyz";
    QTest::newRow("goals first") << int(Problem::GoalsWithoutMatch) << "Torschützen ohne Spiel davor";
    QTest::newRow("goals open") << int(Problem::GoalsUnclosed) << "Torschützenliste ohne schließende Klammer";
    QTest::newRow("goals twice") << int(Problem::GoalsTwice) << "zweite Torschützenliste für ein Spiel";
    QTest::newRow("goals sides") << int(Problem::GoalsSides) << "mehr als ein \";\" in der Torschützenliste";
    QTest::newRow("player") << int(Problem::BadPlayer) << "Spielerzeile nicht verstanden: xyz";
    QTest::newRow("JSON") << int(Problem::JsonSyntax) << "kein JSON: xyz";
    QTest::newRow("JSON field") << int(Problem::JsonField) << "Feld \"xyz\" fehlt oder ist falsch";
    QTest::newRow("no year") << int(Problem::DateWithoutYear) << "Datum ohne Jahr: xyz";
    QTest::newRow("no side") << int(Problem::GoalsNoSide) << "Tore keiner Mannschaft zuzuordnen: xyz";
    QTest::newRow("no player") << int(Problem::GoalNoPlayer) << "Minute ohne Torschützen: xyz";
    QTest::newRow("no minute") << int(Problem::ScorerNoMinute) << "Torschütze ohne Minute: xyz";
    QTest::newRow("second title") << int(Problem::SecondTitle) << "zweiter Titel übergangen: xyz";
}

void TestReadFaults::everyProblemHasGermanWords()
{
    QFETCH(int, problem);
    QFETCH(QString, expected);
    const FootballTxt::Issue issue{3, FootballTxt::Problem(problem), QStringLiteral("xyz")};
    QCOMPARE(ReadFaults::problem(issue), expected);
}

void TestReadFaults::fileReasons_data()
{
    using Status = BoundedFile::Status;
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("systemError");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<QString>("expected");
    QTest::newRow("read") << int(Status::Ok) << 0 << qint64(100) << "";
    QTest::newRow("missing") << int(Status::Missing) << 0 << qint64(100) << "Datei nicht gefunden";
    QTest::newRow("FIFO") << int(Status::NotRegular) << 0 << qint64(100) << "keine gewöhnliche Datei";
    QTest::newRow("whole megabytes") << int(Status::TooLarge) << 0 << qint64(16 * 1024 * 1024) << "größer als 16 MB";
    QTest::newRow("bytes") << int(Status::TooLarge) << 0 << qint64(2848) << "größer als 2848 Bytes";
    QTest::newRow("refused") << int(Status::OpenFailed) << int(EACCES) << qint64(100) << "Dateizugriff verweigert";
    QTest::newRow("not permitted") << int(Status::OpenFailed) << int(EPERM) << qint64(100) << "Dateizugriff verweigert";
    QTest::newRow("open I/O") << int(Status::OpenFailed) << int(EIO) << qint64(100) << QStringLiteral("E/A-Fehler %1").arg(EIO);
    QTest::newRow("read I/O") << int(Status::ReadFailed) << int(EIO) << qint64(100) << QStringLiteral("E/A-Fehler %1").arg(EIO);
}

void TestReadFaults::fileReasons()
{
    QFETCH(int, status);
    QFETCH(int, systemError);
    QFETCH(qint64, limit);
    QFETCH(QString, expected);
    BoundedFile::Result r;
    r.status = BoundedFile::Status(status);
    r.systemError = systemError;
    QCOMPARE(ReadFaults::reason(r, limit), expected);
}

QTEST_GUILESS_MAIN(TestReadFaults)
#include "tst_readfaults.moc"
