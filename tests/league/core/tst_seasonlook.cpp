#include <QtTest>

#include "league/export/Exporters.h"
#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/model/LeagueFile.h"
#include "league/standings/RowBands.h"
#include "league/standings/Standings.h"
#include "league/standings/TableTrend.h"

namespace {

QList<QByteArray> linesOf(const QByteArray &doc)
{
    return doc.split('\n');
}

QByteArray withoutCr(const QByteArray &line)
{
    return line.endsWith('\r') ? line.chopped(1) : line;
}

bool hasLine(const QByteArray &doc, const QByteArray &wanted)
{
    for (const QByteArray &l : linesOf(doc))
        if (withoutCr(l) == wanted)
            return true;
    return false;
}

// A Bundesliga of today: champion, three more Champions League places, two
// Europa League places, one Conference League place, the play-off place
// and two relegated teams.
League sixZones()
{
    League l;
    for (int i = 1; i <= 18; ++i)
        l.teamNames[i] = QStringLiteral("Verein %1").arg(i);
    l.leagueName = QStringLiteral("Bundesliga 2026/27");
    l.clPlaces = 3;
    l.ucPlaces = 2;
    l.conferencePlaces = 1;
    l.playoffPlaces = 1;
    l.relegationPlaces = 2;
    return l;
}

// Four teams, three matchdays: after them slot 2 leads (6 points), slot 1
// (4, +1) is ahead of slot 3 (4, 0), slot 4 last; after matchday 2 the
// order was 3, 2, 1, 4.
League fourTeams()
{
    League l;
    l.reshape(4, 6);
    for (int i = 1; i <= 4; ++i)
        l.teamNames[i] = QStringLiteral("T%1").arg(i);
    l.match(1, 1) = Match{1, 2, 2, 0};
    l.match(1, 2) = Match{3, 4, 1, 1};
    l.match(2, 1) = Match{1, 3, 0, 1};
    l.match(2, 2) = Match{2, 4, 3, 0};
    l.match(3, 1) = Match{4, 1, 2, 2};
    l.match(3, 2) = Match{2, 3, 1, 0};
    return l;
}

} // namespace

class TestSeasonLook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void zoneRows_data();
    void zoneRows();
    void legendNamesTheZones();
    void newKeysOnlyWhenSet();
    void sixZonesExportTheirLegendAndName();
    void formAndMovement();
    void htmlColumnsAndTitles();
};

void TestSeasonLook::zoneRows_data()
{
    QTest::addColumn<bool>("champion");
    QTest::addColumn<QList<int>>("places"); // CL, EL, ECL, play-off, relegation
    // One letter per row: M champion, C Champions League, E Europa League,
    // K Conference League, R play-off, A relegation, - white.
    QTest::addColumn<QString>("bands");
    QTest::newRow("old defaults") << true << QList<int>{1, 3, 0, 0, 3} << "MCEEE----------AAA";
    QTest::newRow("six zones") << true << QList<int>{3, 2, 1, 1, 2} << "MCCCEEK--------RAA";
    QTest::newRow("play-off without relegation") << false << QList<int>{0, 0, 0, 2, 0} << "----------------RR";
    QTest::newRow("eight of each meet in the middle")
        << true << QList<int>{8, 8, 8, 8, 8} << "MCCCCCCCCEEEEEEEEK";
    QTest::newRow("bottom zones give way") << false << QList<int>{4, 4, 4, 4, 8} << "CCCCEEEEKKKKAAAAAA";
}

void TestSeasonLook::zoneRows()
{
    QFETCH(bool, champion);
    QFETCH(QList<int>, places);
    QFETCH(QString, bands);
    League l;
    l.hasChampion = champion;
    l.clPlaces = places[0];
    l.ucPlaces = places[1];
    l.conferencePlaces = places[2];
    l.playoffPlaces = places[3];
    l.relegationPlaces = places[4];
    const QHash<QChar, QColor> colours{{'M', QColor(0xBB, 0xFF, 0xFF)}, {'C', QColor(0xFF, 0xBB, 0xFF)},
                                       {'E', QColor(0xBB, 0xFF, 0xBB)}, {'K', QColor(0xFF, 0xFF, 0xAA)},
                                       {'R', QColor(0xFF, 0xDD, 0xAA)}, {'A', QColor(0xFF, 0xBB, 0xBB)},
                                       {'-', QColor(255, 255, 255)}};
    const RowBandColors c = zoneColors(l);
    for (int r = 1; r <= 18; ++r)
        QCOMPARE(c[r], colours.value(bands.at(r - 1)));
}

void TestSeasonLook::legendNamesTheZones()
{
    League l = sixZones();
    QVERIFY(l.hasZonesOfToday());
    QCOMPARE(zoneLegend(l), QStringLiteral("1 Meister, 2-4 Champions League, 5-6 Europa League, "
                                           "7 Conference League, 16 Relegation, 17-18 Abstieg"));
    l.zoneNames[static_cast<int>(Zone::EuropaLeague)] = QStringLiteral("UEFA-Cup");
    l.zoneRgb[static_cast<int>(Zone::ChampionsLeague)] = 0xBBDDFF;
    l.conferencePlaces = 0;
    QCOMPARE(zoneLegend(l), QStringLiteral("1 Meister, 2-4 Champions League, 5-6 UEFA-Cup, 16 Relegation, "
                                           "17-18 Abstieg"));
    QCOMPARE(zoneColors(l)[3], QColor(0xBB, 0xDD, 0xFF));
    // The zones an older file could hold are no zones of today.
    QVERIFY(!League().hasZonesOfToday());
}

void TestSeasonLook::newKeysOnlyWhenSet()
{
    const auto bytesOf = [](const League &l) {
        IniFile ini;
        LeagueFile::write(l, ini);
        return ini.toBytes();
    };
    const QByteArray plain = bytesOf(League());
    for (const char *key : {"Liganame=", "ECL=", "RP=", "Zone", "Farbe"})
        QVERIFY2(!plain.contains(key), key);

    League l = sixZones();
    l.zoneNames[static_cast<int>(Zone::RelegationPlayoff)] = QStringLiteral("Relegation gegen den Dritten");
    l.zoneRgb[static_cast<int>(Zone::ConferenceLeague)] = 0xDDBBFF;
    const QByteArray b = bytesOf(l);
    for (const char *line : {"Liganame=Bundesliga 2026/27\r\n", "ECL=1\r\n", "RP=1\r\n",
                             "Zone5=Relegation gegen den Dritten\r\n", "Farbe4=#DDBBFF\r\n", "CL=3\r\n"})
        QVERIFY2(b.contains(line), line);
    QVERIFY(!b.contains("Zone1=") && !b.contains("Farbe1="));

    IniFile ini;
    ini.fromBytes(b);
    League back;
    LeagueFile::read(ini, back);
    QVERIFY(back.sameContents(l));
    // A hand-edited colour that is no "#RRGGBB" reads as the zone's own.
    ini.fromBytes(QByteArray(b).replace("Farbe4=#DDBBFF", "Farbe4=lila"));
    LeagueFile::read(ini, back);
    QCOMPARE(back.zoneColorRgb(Zone::ConferenceLeague), 0xFFFFAA);
}

void TestSeasonLook::sixZonesExportTheirLegendAndName()
{
    const League l = sixZones();
    const RowBandColors bands = zoneColors(l);
    const QByteArray legend = "Legende: 1 Meister, 2-4 Champions League, 5-6 Europa League, 7 Conference League, "
                              "16 Relegation, 17-18 Abstieg";

    const QByteArray txt = exportDocument(ExportDocument::Tables, ExportFormat::Text, l, bands);
    QCOMPARE(withoutCr(linesOf(txt)[1]), QByteArray(16, ' ') + "Bundesliga 2026/27");
    // The legend follows the closing rule of the league table.
    const QList<QByteArray> lines = linesOf(txt);
    const qsizetype at = lines.indexOf(legend + "\r");
    QVERIFY(at > 0);
    QCOMPARE(withoutCr(lines[at - 1]), QByteArray(65, '-'));
    QCOMPARE(withoutCr(lines[at - 2]).left(12), QByteArray("18 Verein 18"));

    const QByteArray html = exportDocument(ExportDocument::Tables, ExportFormat::Html, l, bands);
    QVERIFY(hasLine(html, "  <TITLE>Tabelle und Bilanzen (Bundesliga 2026/27)</TITLE>"));
    QVERIFY(hasLine(html, "  <FONT SIZE=2><B>Bundesliga 2026/27</B>"));
    QVERIFY(hasLine(html, R"(  <TR BGCOLOR="#FFFFAA">)"));
    QVERIFY(hasLine(html, R"(  <TR BGCOLOR="#FFDDAA">)"));
    for (const char *cell : {R"(  <TD BGCOLOR="#BBFFFF">1 Meister</TD>)", R"(  <TD BGCOLOR="#FFFFAA">7 Conference League</TD>)",
                                   R"(  <TD BGCOLOR="#FFBBBB">17-18 Abstieg</TD>)"})
        QVERIFY2(hasLine(html, cell), cell);

    const QByteArray rtf = exportDocument(ExportDocument::Tables, ExportFormat::Rtf, l, bands);
    QVERIFY(rtf.contains(" Bundesliga 2026/27\\par"));
    QVERIFY(rtf.contains(" " + legend + "\\par"));
    // Every document carries the name, the cross table and matchdays too.
    for (ExportDocument d : {ExportDocument::Cross, ExportDocument::Matchdays})
        QVERIFY(exportDocument(d, ExportFormat::Text, l, bands).contains(QByteArray(16, ' ') + "Bundesliga 2026/27\r\n"));

    // Without zones of today the tables carry no legend.
    League old = l;
    old.clPlaces = 1;
    old.conferencePlaces = old.playoffPlaces = 0;
    QVERIFY(!exportDocument(ExportDocument::Tables, ExportFormat::Text, old, zoneColors(old)).contains("Legende"));
}

void TestSeasonLook::formAndMovement()
{
    const League l = fourTeams();
    const TableTrend t = tableTrend(l, 3);
    QCOMPARE(t.form[1], QStringLiteral("SNU"));
    QCOMPARE(t.form[2], QStringLiteral("NSS"));
    QCOMPARE(t.form[3], QStringLiteral("USN"));
    QCOMPARE(t.form[4], QStringLiteral("UNU"));
    // Places after matchday 2: 3, 2, 1, 4 for slots 3, 2, 1, 4.
    QCOMPARE(t.previousPlace[3], 1);
    QCOMPARE(t.previousPlace[2], 2);
    QCOMPARE(t.previousPlace[1], 3);
    QCOMPARE(placesGained(t, 2, 1), 1);
    QCOMPARE(placesGained(t, 3, 3), -2);
    QCOMPARE(placesGained(t, 4, 4), 0);
    // Matchday 1 of a league entered from its start has nothing before it.
    QCOMPARE(tableTrend(l, 1).previousPlace[1], 0);

    // Only the newest five results count.
    League two;
    two.reshape(2, 6);
    const int goals[6][2] = {{1, 0}, {2, 0}, {1, 1}, {0, 1}, {3, 2}, {0, 4}};
    for (int j = 1; j <= 6; ++j)
        two.match(j, 1) = Match{1, 2, goals[j - 1][0], goals[j - 1][1]};
    QCOMPARE(tableTrend(two, 6).form[1], QStringLiteral("SUNSN"));
    QCOMPARE(tableTrend(two, 6).form[2], QStringLiteral("NUSNS"));
}

void TestSeasonLook::htmlColumnsAndTitles()
{
    const League l = fourTeams();
    Standings s;
    TabBer(l, s, 3);
    ExportOptions o;
    o.form = o.movement = o.explain = true;
    const QByteArray html = Exp_tb_HTM(s, RowBandColors::allWhite(), &l, o);
    QVERIFY(hasLine(html, R"(    <TD ALIGN="CENTER"><B>Form</B></TD>)"));
    QVERIFY(hasLine(html, R"(    <TD ALIGN="CENTER"><TT>NSS</TT></TD>)"));
    QVERIFY(hasLine(html, R"(    <TD ALIGN="CENTER">&uarr;1</TD>)"));
    QVERIFY(hasLine(html, R"(    <TD ALIGN="CENTER">&darr;2</TD>)"));
    QVERIFY(hasLine(html, R"(    <TD ALIGN="CENTER">=</TD>)"));
    QVERIFY(hasLine(html, R"(  <TR TITLE="Platz 1">)"));
    QVERIFY(hasLine(html, R"(  <TR TITLE="Platz 2 hinter Platz 1: Punkte">)"));
    QVERIFY(hasLine(html, R"(  <TR TITLE="Platz 3 hinter Platz 2: Tordifferenz">)"));
    // The home and away tables stay as they were.
    QCOMPARE(html.count("TITLE=\""), 4);
    // Asked for nothing, the page is the one written without the league.
    QCOMPARE(Exp_tb_HTM(s, RowBandColors::allWhite(), &l, {}), Exp_tb_HTM(s, RowBandColors::allWhite()));
}

QTEST_GUILESS_MAIN(TestSeasonLook)
#include "tst_seasonlook.moc"
