#include <QTemporaryDir>
#include <QtTest>

#include "common/FootballTxt.h"
#include "tournament/format/FormatCorrections.h"
#include "tournament/format/FormatImport.h"
#include "tournament/format/FormatPlaces.h"
#include "tournament/format/OlderForms.h"
#include "tournament_helper.h"

namespace {

QString data(const QString &relative)
{
    return QStringLiteral(TEST_SOURCE_DIR "/tests/data/open-football/") + relative;
}

FootballTxt::Document readDoc(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    // The older line forms of the real files in the reader's forms.
    return FootballTxt::read(OlderForms::matches(f.readAll())).document;
}

// A knock-out match as the file gives it: the teams and who went on.
struct Played
{
    QString round;
    QString team1, team2, winner;
};

// The knock-out matches of a file, in file order, from the rounds whose
// heading is no group or matchday.
QList<Played> knockoutOf(const QString &path)
{
    QList<Played> out;
    for (const FootballTxt::Stage &stage : readDoc(path).stages)
        for (const FootballTxt::Round &round : stage.rounds) {
            if (round.heading.startsWith(QLatin1String("Group")) || round.heading.startsWith(QLatin1String("Matchday")))
                continue;
            for (const FootballTxt::Match &m : round.matches) {
                FootballTxt::Score s = m.result();
                if (m.pen.isSet())
                    s = {s.a + m.pen.a, s.b + m.pen.b};
                out.append({round.heading.trimmed(), m.team1, m.team2, s.a > s.b ? m.team1 : m.team2});
            }
        }
    return out;
}

QSet<QString> pairsOf(const QList<Played> &matches, const QString &round)
{
    QSet<QString> out;
    for (const Played &p : matches)
        if (p.round == round)
            out.insert(std::min(p.team1, p.team2) + QLatin1String(" v ") + std::max(p.team1, p.team2));
    return out;
}

QSet<QString> bracketPairs(const FormatTournament &t, const FormatStandings &s, int round)
{
    QSet<QString> out;
    for (size_t i = 0; i < s.bracket.size(); ++i) {
        if (t.format.matches[i].round != round)
            continue;
        const QString a = t.teamName(s.bracket[i].team1);
        const QString b = t.teamName(s.bracket[i].team2);
        out.insert(std::min(a, b) + QLatin1String(" v ") + std::max(a, b));
    }
    return out;
}

// The group stage of a file that holds the whole tournament: its lines up
// to the knock-out phase.
QString groupStageOnly(QTemporaryDir &dir, const QString &path, const QByteArray &marker)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QByteArray all = f.readAll();
    const QString out = dir.filePath(QStringLiteral("groups.txt"));
    QFile o(out);
    o.open(QIODevice::WriteOnly);
    o.write(all.left(all.indexOf(marker)));
    return out;
}

FormatTournament fresh(const char *key)
{
    FormatTournament t;
    t.format = FormatFile::load(QLatin1String(key)).format;
    t.formatKey = QLatin1String(key);
    return t;
}

QStringList names(const FormatTournament &t, const std::vector<int> &teams)
{
    QStringList out;
    for (int n : teams)
        out << t.teamName(n);
    return out;
}

// One group of four built from a compact text: "0-1 2:1" is a match of
// the first and second team of the draw ending 2-1.
FormatTournament smallGroup(TournamentFormat::Order order, int win, const QString &matches)
{
    FormatTournament t;
    t.format.groups = 1;
    t.format.win = win;
    t.format.order = order;
    FormatGroup g;
    for (int i = 0; i < 4; ++i)
        g.teams[size_t(i)].name = QString(QChar('P' + i));
    t.groups.push_back(g);
    const QStringList words = matches.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i + 1 < words.size(); i += 2) {
        const QString teams = words[i];
        const QString score = words[i + 1];
        t.groupMatches.push_back({teams.at(0).digitValue(), teams.at(2).digitValue(),
                                  score.section(QLatin1Char(':'), 0, 0).toInt(), score.section(QLatin1Char(':'), 1, 1).toInt()});
    }
    return t;
}

// Euro 2020 with two ties decided. In every group the first drawn beats
// all, the second beats the third and fourth 1-0, the third beats the
// fourth by a margin of its group's: A 6, B 5, C 4, D 3, E 3, F 1, so the
// thirds stand A, B, C, then D and E level at the cut of four. In group A
// the first two draw 1-1 instead and are level on every rule. Decided: A2
// before A1, E3 before D3; with A, B, C and E going on, the table's row
// ABCE puts E3 into match 40 against C1, recorded 2-1.
FormatTournament euroWithDecisions()
{
    FormatTournament t = th::drawnGroups(QStringLiteral("euro2020"));
    const int margins[] = {6, 5, 4, 3, 3, 1};
    for (int g = 0; g < 6; ++g) {
        std::array<FormatGroupMatch, 6> matches = th::orderlyGroupMatches(g, margins[g]);
        if (g == 0)
            matches[0].score2 = 1; // A1 and A2 draw
        t.groupMatches.insert(t.groupMatches.end(), matches.begin(), matches.end());
    }
    t.decisions.push_back({{1, 0}});
    t.decisions.push_back({{18, 14}});
    t.knockout.push_back({40, 8, 18, 2, 1, {}});
    return t;
}

} // namespace

class TestFormatRanking : public QObject
{
    Q_OBJECT

private slots:
    void groupOrder_data();
    void groupOrder();
    void decisionSettlesATie();
    void decisionsFollowResults_data();
    void decisionsFollowResults();
    void worldCup2026GroupStage();
    void worldCup2026Whole();
    void euro2024NeedsADecision();
    void importedTournamentTakesItsFilesName_data();
    void importedTournamentTakesItsFilesName();
    void worldCup1990TwoPointsAndLots();
    void euro2000();
    void bracketThatDoesNotFit();
    void olderForms_data();
    void olderForms();
    void olderSquadForms_data();
    void olderSquadForms();
    void olderSquadLinesReadOnce_data();
    void olderSquadLinesReadOnce();
    void knockoutMatchesDecideOnlyWhatTheyShow_data();
    void knockoutMatchesDecideOnlyWhatTheyShow();
};

void TestFormatRanking::groupOrder_data()
{
    QTest::addColumn<bool>("direct");
    QTest::addColumn<int>("win");
    QTest::addColumn<QString>("matches");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("open");
    // P Q R S in the draw. Expected orders worked out by hand from the rules.
    // P beat Q; both have 6 points, Q the better goal difference (+5 to +1).
    const QString headToHead = QStringLiteral("0-1 1:0 0-2 1:0 0-3 0:1 1-2 5:0 1-3 1:0 2-3 0:0");
    QTest::newRow("direct: the game among them first") << true << 3 << headToHead << "PQSR" << "";
    QTest::newRow("goals: goal difference first") << false << 3 << headToHead << "QPSR" << "";
    // P, Q and R beat each other 2:1 in a circle and S by 1, 3 and 2 goals:
    // the games among them leave all three level, so all games decide.
    const QString circle = QStringLiteral("0-1 2:1 1-2 2:1 2-0 2:1 0-3 1:0 1-3 3:0 2-3 2:0");
    QTest::newRow("direct: circle falls back to all games") << true << 3 << circle << "QRPS" << "";
    // P two wins and a heavy defeat by Q (6 points with 3 a win, 4 with 2),
    // Q one win and two draws (5 / 4) with the better goal difference.
    const QString twoPoints = QStringLiteral("0-1 0:3 0-2 1:0 0-3 1:0 1-2 0:0 1-3 0:0 2-3 0:0");
    QTest::newRow("three points a win") << false << 3 << twoPoints << "PQRS" << "";
    QTest::newRow("two points a win") << false << 2 << twoPoints << "QPRS" << "";
    // Level on everything and a draw between them: only a decision helps.
    const QString level = QStringLiteral("0-1 1:1 0-2 2:0 0-3 0:1 1-2 2:0 1-3 0:1 2-3 0:3");
    QTest::newRow("direct: level on every rule") << true << 3 << level << "SPQR" << "P Q";
    QTest::newRow("goals: level on every rule") << false << 3 << level << "SPQR" << "P Q";
    // Not all games played: no decision is asked for.
    QTest::newRow("incomplete group") << true << 3 << QStringLiteral("0-1 1:1") << "PQRS" << "";
}

void TestFormatRanking::groupOrder()
{
    QFETCH(bool, direct);
    QFETCH(int, win);
    QFETCH(QString, matches);
    QFETCH(QString, order);
    QFETCH(QString, open);
    const FormatTournament t =
        smallGroup(direct ? TournamentFormat::Order::Direct : TournamentFormat::Order::Goals, win, matches);
    std::vector<OpenTie> ties;
    const FormatStandings::Group g = rankGroup(t, 0, &ties);
    QString got;
    for (const FormatTableLine &l : g.lines)
        got += t.teamName(l.team);
    QCOMPARE(got, order);
    QString gotOpen;
    if (!ties.empty())
        gotOpen = names(t, ties.front().teams).join(QLatin1Char(' '));
    QCOMPARE(gotOpen, open);
}

void TestFormatRanking::decisionSettlesATie()
{
    FormatTournament t = smallGroup(TournamentFormat::Order::Direct, 3,
                                    QStringLiteral("0-1 1:1 0-2 2:0 0-3 0:1 1-2 2:0 1-3 0:1 2-3 0:3"));
    t.decisions.push_back({{1, 0}}); // Q before P
    std::vector<OpenTie> ties;
    const FormatStandings::Group g = rankGroup(t, 0, &ties);
    QVERIFY(ties.empty());
    QCOMPARE(t.teamName(g.lines[1].team), QStringLiteral("Q"));
    QCOMPARE(t.teamName(g.lines[2].team), QStringLiteral("P"));
    QVERIFY(g.known[1] && g.known[2]);
}

void TestFormatRanking::decisionsFollowResults_data()
{
    QTest::addColumn<QString>("team1");
    QTest::addColumn<QString>("team2");
    QTest::addColumn<int>("score1");
    QTest::addColumn<int>("score2");
    QTest::addColumn<QStringList>("decisions"); // those that stay
    QTest::addColumn<int>("open");
    QTest::addColumn<bool>("matchStays");       // E3's match 40
    const QString a = QStringLiteral("A2 A1");
    const QString cut = QStringLiteral("E3 D3");
    QTest::newRow("a result that touches no tie") << "D1" << "D2" << 2 << 0 << QStringList{a, cut} << 0 << true;
    // A1 now leads A2 on points: the drawing is void; the thirds stay.
    QTest::newRow("the group tie broken") << "A1" << "A2" << 2 << 1 << QStringList{cut} << 0 << true;
    // F3 now has 3 points, 3-2 goals, as D3 and E3: a new tie of three.
    QTest::newRow("a third joins the tie at the cut") << "F3" << "F4" << 3 << 0 << QStringList{a} << 1 << false;
    // D3 now has 4-3 goals against E3's 3-2: D3 goes on by goals, and
    // row ABCD puts D3 into match 40.
    QTest::newRow("the tie at the cut broken") << "D3" << "D4" << 4 << 1 << QStringList{a} << 0 << false;
}

void TestFormatRanking::decisionsFollowResults()
{
    QFETCH(QString, team1);
    QFETCH(QString, team2);
    QFETCH(int, score1);
    QFETCH(int, score2);
    QFETCH(QStringList, decisions);
    QFETCH(int, open);
    QFETCH(bool, matchStays);
    FormatTournament t = euroWithDecisions();
    {
        // As decided, nothing is open and the recorded match fits.
        const FormatStandings s = rankFormat(t);
        QVERIFY(s.open.empty());
        QCOMPARE(s.decisionHolds, (std::vector<bool>{true, true}));
        QCOMPARE(t.teamName(s.groups[0].lines[0].team), QStringLiteral("A2"));
        QVERIFY(s.bracket[size_t(t.format.indexOf(40))].result);
    }
    const auto at = std::find_if(t.groupMatches.begin(), t.groupMatches.end(), [&](const FormatGroupMatch &m) {
        return t.teamName(m.team1) == team1 && t.teamName(m.team2) == team2;
    });
    QVERIFY(at != t.groupMatches.end());
    std::vector<int> dropped;
    QVERIFY(FormatCorrections::correctGroupMatch(t, size_t(at - t.groupMatches.begin()), score1, score2, &dropped));
    QStringList kept;
    for (const TieDecision &d : t.decisions)
        kept << names(t, d.order).join(QLatin1Char(' '));
    QCOMPARE(kept, decisions);
    const FormatStandings s = rankFormat(t);
    QCOMPARE(int(s.open.size()), open);
    QCOMPARE(t.knockout.size() == 1, matchStays);
    QCOMPARE(dropped, matchStays ? std::vector<int>{} : std::vector<int>{40});
}

void TestFormatRanking::worldCup2026GroupStage()
{
    FormatTournament t = fresh("world2026");
    const FormatImport::Result r = FormatImport::importFiles(t, {data(QStringLiteral("worldcup-2026/cup.txt"))}, QString());
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.groupMatches, 72);
    QCOMPARE(r.knockoutMatches, 0);
    QVERIFY(r.open.empty());
    const FormatStandings s = rankFormat(t);
    // The thirds that went on were those of B, D, E, F, I, J, K and L.
    QString qualified;
    for (const auto &third : s.thirds)
        if (third.qualified)
            qualified += QChar(third.group);
    std::sort(qualified.begin(), qualified.end());
    QCOMPARE(qualified, QStringLiteral("BDEFIJKL"));
    QCOMPARE(s.thirds.size(), size_t(12));
    // The round of 32 from the group stage alone is the one that was played.
    const QList<Played> played = knockoutOf(data(QStringLiteral("worldcup-2026/cup_finals.txt")));
    QCOMPARE(pairsOf(played, QStringLiteral("Round of 32")).size(), 16);
    QCOMPARE(bracketPairs(t, s, 0), pairsOf(played, QStringLiteral("Round of 32")));
    QCOMPARE(s.champion, -1);
}

void TestFormatRanking::worldCup2026Whole()
{
    FormatTournament t = fresh("world2026");
    const FormatImport::Result r = FormatImport::importFiles(
        t, {data(QStringLiteral("worldcup-2026/cup.txt")), data(QStringLiteral("worldcup-2026/cup_finals.txt"))},
        data(QStringLiteral("worldcup-2026/squads.txt")));
    QVERIFY2(r.ok, qPrintable(r.error));
    QVERIFY2(!r.notes.join(QLatin1Char('\n')).contains(QStringLiteral("no team of the groups")),
             qPrintable(r.notes.join(QLatin1Char('\n'))));
    const QList<Played> played = knockoutOf(data(QStringLiteral("worldcup-2026/cup_finals.txt")));
    QCOMPARE(r.knockoutMatches, int(played.size()));
    QCOMPARE(played.size(), 32);
    const FormatStandings s = rankFormat(t);
    QCOMPARE(t.teamName(s.champion), played.last().winner);
    QCOMPARE(bracketPairs(t, s, 1), pairsOf(played, QStringLiteral("Round of 16")));
    // Every squad of 26 is taken; scorers outside the squads would be notes.
    for (int n = 0; n < t.teamCount(); ++n)
        QVERIFY2(t.team(n).players.size() >= 26, qPrintable(t.team(n).name));
}

void TestFormatRanking::euro2024NeedsADecision()
{
    QTemporaryDir dir;
    const QString whole = data(QStringLiteral("euro-2024/euro.txt"));
    FormatTournament groups = fresh("euro2020");
    const FormatImport::Result g =
        FormatImport::importFiles(groups, {groupStageOnly(dir, whole, "# Knockout phase")}, QString());
    QVERIFY2(g.ok, qPrintable(g.error));
    QCOMPARE(g.groupMatches, 36);
    // Denmark and Slovenia drew 1-1, both 3 points and 2:2 goals: only the
    // cards separated them.
    QCOMPARE(g.open.size(), size_t(1));
    QCOMPARE(g.open.front().where, QStringLiteral("Group C"));
    QStringList tied = names(groups, g.open.front().teams);
    tied.sort();
    QCOMPARE(tied, (QStringList{"Denmark", "Slovenia"}));
    const FormatStandings open = rankFormat(groups);
    QVERIFY(!open.thirdsKnown);
    QVERIFY(!open.groups[2].known[1]);

    FormatTournament all = fresh("euro2020");
    const FormatImport::Result w = FormatImport::importFiles(all, {whole}, data(QStringLiteral("euro-2024/squads")));
    QVERIFY2(w.ok, qPrintable(w.error));
    QVERIFY(w.open.empty());
    QVERIFY2(w.notes.join(QLatin1Char('\n')).contains(QStringLiteral("Group C: Denmark and Slovenia")),
             qPrintable(w.notes.join(QLatin1Char('\n'))));
    const FormatStandings s = rankFormat(all);
    // Denmark played the round of 16 as runner-up (against Germany), Slovenia
    // as a third.
    QCOMPARE(all.teamName(s.groups[2].lines[1].team), QStringLiteral("Denmark"));
    const QList<Played> played = knockoutOf(whole);
    QCOMPARE(bracketPairs(all, s, 0), pairsOf(played, QStringLiteral("Round of 16")));
    QCOMPARE(all.teamName(s.champion), played.last().winner);
}

void TestFormatRanking::importedTournamentTakesItsFilesName_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::newRow("Euro 2024 by the rules of 2020") << "euro2020" << "euro-2024/euro.txt" << "Euro 2024";
    QTest::newRow("1990 by the rules of 1986") << "world1986" << "worldcup-1990/cup.txt" << "World Cup 1990";
    QTest::newRow("a comment after the title") << "euro2000" << "euro-2000/euro.txt" << "Euro 2000";
}

// The window, the champion screen and the exports name the tournament by
// its format; an import names it after its file, in the stored format text
// too, whose other lines stay as shipped.
void TestFormatRanking::importedTournamentTakesItsFilesName()
{
    QFETCH(QString, format);
    QFETCH(QString, file);
    QFETCH(QString, name);
    const QByteArray key = format.toLatin1();
    FormatTournament t = fresh(key.constData());
    const FormatImport::Result r = FormatImport::importFiles(t, {data(file)}, QString());
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(t.format.name, name);
    QCOMPARE(FormatPlaces::championLine(t.format), QStringLiteral("The %1 champion is").arg(name));

    const FormatFile::Read back = FormatFile::parse(t.format.source, QStringLiteral("stored"));
    QVERIFY2(back.ok, qPrintable(back.error));
    QCOMPARE(back.format.name, name);
    const QList<QByteArray> shipped = FormatFile::shippedText(format).split('\n');
    const QList<QByteArray> stored = t.format.source.split('\n');
    QCOMPARE(stored.size(), shipped.size());
    QStringList changed;
    for (qsizetype i = 0; i < stored.size(); ++i)
        if (stored[i] != shipped[i])
            changed << QString::fromUtf8(stored[i]);
    QCOMPARE(changed, name == fresh(key.constData()).format.name ? QStringList()
                                                                 : QStringList{QStringLiteral("name    ") + name});

    // Names the file could not hold leave the format as it was.
    const FormatTournament plain = fresh(key.constData());
    for (const QString &bad : {QString(), QStringLiteral("Cup # 2024"), QString(61, QLatin1Char('x'))}) {
        TournamentFormat f = plain.format;
        QVERIFY(!FormatFile::rename(f, bad));
        QCOMPARE(f.name, plain.format.name);
        QCOMPARE(f.source, plain.format.source);
    }
}

void TestFormatRanking::worldCup1990TwoPointsAndLots()
{
    QTemporaryDir dir;
    FormatTournament groups = fresh("world1986");
    const FormatImport::Result g =
        FormatImport::importFiles(groups, {data(QStringLiteral("worldcup-1990/cup.txt"))}, QString());
    QVERIFY2(g.ok, qPrintable(g.error));
    // Points with two a win, counted here from the file's group matches.
    const FootballTxt::Document doc = readDoc(data(QStringLiteral("worldcup-1990/cup.txt")));
    QMap<QString, int> points;
    for (const FootballTxt::Stage &stage : doc.stages)
        for (const FootballTxt::Round &round : stage.rounds)
            for (const FootballTxt::Match &m : round.matches) {
                points[m.team1] += m.ft.a > m.ft.b ? 2 : m.ft.a == m.ft.b ? 1 : 0;
                points[m.team2] += m.ft.b > m.ft.a ? 2 : m.ft.a == m.ft.b ? 1 : 0;
            }
    const FormatStandings s = rankFormat(groups);
    for (const auto &grp : s.groups)
        for (const FormatTableLine &l : grp.lines)
            QCOMPARE(l.points, points.value(groups.teamName(l.team)));
    QCOMPARE(points.value(QStringLiteral("England")), 4);
    // Ireland and the Netherlands: level on every rule, drawn by lots.
    QCOMPARE(g.open.size(), size_t(1));
    QCOMPARE(g.open.front().where, QStringLiteral("Group F"));
    QStringList tied = names(groups, g.open.front().teams);
    tied.sort();
    QCOMPARE(tied, (QStringList{"Ireland", "Netherlands"}));

    FormatTournament all = fresh("world1986");
    const FormatImport::Result w = FormatImport::importFiles(
        all, {data(QStringLiteral("worldcup-1990/cup.txt")), data(QStringLiteral("worldcup-1990/cup_finals.txt"))},
        data(QStringLiteral("worldcup-1990/squads")));
    QVERIFY2(w.ok, qPrintable(w.error));
    QVERIFY(w.open.empty());
    const FormatStandings ws = rankFormat(all);
    // Ireland went on as runner-up (against Romania), the Netherlands as a third.
    QCOMPARE(all.teamName(ws.groups[5].lines[1].team), QStringLiteral("Ireland"));
    const QList<Played> played = knockoutOf(data(QStringLiteral("worldcup-1990/cup_finals.txt")));
    QCOMPARE(bracketPairs(all, ws, 0), pairsOf(played, QStringLiteral("Round of 16")));
    QCOMPARE(all.teamName(ws.champion), played.last().winner);
    QCOMPARE(played.last().winner, QStringLiteral("West Germany"));
}

void TestFormatRanking::euro2000()
{
    FormatTournament t = fresh("euro2000");
    const FormatImport::Result r = FormatImport::importFiles(t, {data(QStringLiteral("euro-2000/euro.txt"))}, QString());
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.groupMatches, 24);
    QCOMPARE(r.knockoutMatches, 7);
    const FormatStandings s = rankFormat(t);
    const QList<Played> played = knockoutOf(data(QStringLiteral("euro-2000/euro.txt")));
    QCOMPARE(bracketPairs(t, s, 0), pairsOf(played, QStringLiteral("Quarter-finals")));
    QCOMPARE(t.teamName(s.champion), QStringLiteral("France"));
    QVERIFY(s.thirds.empty());
}

void TestFormatRanking::bracketThatDoesNotFit()
{
    // The 2022 knock-out stage follows the 2006 bracket, not the 1998 one.
    const QStringList files{data(QStringLiteral("worldcup-2022/cup.txt")), data(QStringLiteral("worldcup-2022/cup_finals.txt"))};
    FormatTournament w2006 = fresh("world2006");
    const FormatImport::Result ok = FormatImport::importFiles(w2006, files, QString());
    QVERIFY2(ok.ok, qPrintable(ok.error));
    QCOMPARE(ok.knockoutMatches, 16);
    FormatTournament euro = fresh("euro2020");
    const FormatImport::Result bad = FormatImport::importFiles(euro, files, QString());
    QVERIFY(!bad.ok);
    QVERIFY2(bad.error.contains(QStringLiteral("is no group of the format Euro 2020")), qPrintable(bad.error));
}

void TestFormatRanking::olderForms_data()
{
    QTest::addColumn<QByteArray>("older");
    QTest::addColumn<QByteArray>("reader");
    QTest::newRow("match number") << QByteArray("  (73) 12:00  A 0-1 (0-0) B   @ X")
                                  << QByteArray("       12:00  A 0-1 (0-0) B   @ X");
    QTest::newRow("venue first") << QByteArray("June 12 18:00 @ Li\xc3\xa8ge   Germany   1-1 Romania")
                                 << QByteArray("June 12 18:00  Germany   1-1 Romania  @ Li\xc3\xa8ge");
    QTest::newRow("golden goal") << QByteArray("  20:45  Portugal  1-2 France   (aet/gg)")
                                 << QByteArray("  20:45  Portugal  1-2 a.e.t. France");
    QTest::newRow("shoot-out") << QByteArray("  18:00  Italy  0-0 Netherlands  (aet, 3-1 pen)")
                               << QByteArray("  18:00  Italy  0-0 a.e.t., 3-1 pen. Netherlands");
    QTest::newRow("bare minutes") << QByteArray("   (Kluivert 24,38, Govedarica 51og; Milosevic 90pen)")
                                  << QByteArray("   (Kluivert 24' 38', Govedarica 51' (o.g.); Milosevic 90' (pen.))");
    QTest::newRow("line-up") << QByteArray("    Germany:  Neuer - Kimmich,\n       Kroos\n\n  21:00  A 1-0 B")
                             << QByteArray("                              \n            \n\n  21:00  A 1-0 B");
    QTest::newRow("modern lines stay") << QByteArray("  21:00  A 5-1 (3-0)  B  @ M\n   (Wirtz 10' Can 90+3')")
                                       << QByteArray("  21:00  A 5-1 (3-0)  B  @ M\n   (Wirtz 10' Can 90+3')");
}

void TestFormatRanking::olderForms()
{
    QFETCH(QByteArray, older);
    QFETCH(QByteArray, reader);
    QCOMPARE(OlderForms::matches(older), reader);
}

void TestFormatRanking::olderSquadForms_data()
{
    QTest::addColumn<QByteArray>("older");
    QTest::addColumn<QByteArray>("reader");
    QTest::newRow("commas, surname in capitals") << QByteArray("      22, Mark McKENZIE,   DF,  b. 1999/02/25")
                                                 << QByteArray("      (22)  DF  Mark McKENZIE");
    QTest::newRow("capitals to a name") << QByteArray("  1, Kylian MBAPP\xc3\x89, FW, b. 1998")
                                        << QByteArray("  (1)  FW  Kylian Mbapp\xc3\xa9");
    QTest::newRow("blank before the comma") << QByteArray("15, KIM Moonhwan ,   DF,  b. 1995/08/01")
                                            << QByteArray("(15)  DF  Kim Moonhwan");
    const QByteArray coach("   -, Mauricio POCHETTINO (ARG),  MG,  b. 1972");
    QTest::newRow("coach left out") << coach << QByteArray(coach.size(), ' ');
    QTest::newRow("unknown number") << QByteArray("   -  GK  David Seaman   ##  2, QPR")
                                    << QByteArray("      GK  David Seaman   ##  2, QPR");
    QTest::newRow("modern line stays") << QByteArray(" (1)  GK  Peter Shilton") << QByteArray(" (1)  GK  Peter Shilton");
}

void TestFormatRanking::olderSquadForms()
{
    QFETCH(QByteArray, older);
    QFETCH(QByteArray, reader);
    QCOMPARE(OlderForms::squad(older), reader);
}

// The import reads a squad line of commas straight into the squad; a line
// the reader would refuse once rewritten is refused with the rewritten text.
void TestFormatRanking::olderSquadLinesReadOnce_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("name"); // empty: the line holds no player
    QTest::addColumn<QString>("refused");
    QTest::newRow("commas") << QByteArray("      16, Alex FREEMAN,   DF,  b. 2004/08/09") << 16 << "DF"
                            << "Alex Freeman" << "";
    QTest::newRow("a word not all capitals stays") << QByteArray("  22, Mark McKENZIE, DF") << 22 << "DF"
                                                   << "Mark McKENZIE" << "";
    QTest::newRow("accented capitals") << QByteArray("  1, Kylian MBAPP\xc3\x89, FW, b. 1998") << 1 << "FW"
                                       << QString::fromUtf8("Kylian Mbapp\xc3\xa9") << "";
    QTest::newRow("blanks and a comment") << QByteArray("  4, \xc3\x96ZIL Mesut ,  MF ,  b. 1990  # club, city") << 4
                                          << "MF" << QString::fromUtf8("\xc3\x96zil Mesut") << "";
    QTest::newRow("runs of blanks, one letter") << QByteArray("  6, A  B   CC, FW") << 6 << "FW" << "A B Cc" << "";
    QTest::newRow("coach") << QByteArray("   -, Mauricio POCHETTINO (ARG),  MG,  b. 1972") << 0 << "" << "" << "";
    QTest::newRow("unknown number") << QByteArray("   -  GK  David Seaman   ##  2, QPR") << 0 << "GK" << "David Seaman"
                                    << "";
    QTest::newRow("reader's own form") << QByteArray(" (1)  GK  Peter Shilton") << 1 << "GK" << "Peter Shilton" << "";
    QTest::newRow("number 0") << QByteArray("  0, Zero MAN, GK") << 0 << "" << "" << "(0)  GK  Zero Man";
    QTest::newRow("tab in the name") << QByteArray("  2, Tab\tGUY, DF") << 0 << "" << "" << "(2)  DF  Tab  GUY";
    QTest::newRow("no letter first") << QByteArray("  21, ..., DF") << 0 << "" << "" << "(21)  DF  ...";
}

void TestFormatRanking::olderSquadLinesReadOnce()
{
    QFETCH(QByteArray, line);
    QFETCH(int, number);
    QFETCH(QString, position);
    QFETCH(QString, name);
    QFETCH(QString, refused);
    const FootballTxt::SquadResult r = FootballTxt::readSquad("= Team\n\n" + line + "\n", OlderForms::squadLine);
    QCOMPARE(r.ok, refused.isEmpty());
    if (!r.ok) {
        QCOMPARE(r.error.line, 3);
        QCOMPARE(r.error.detail, refused);
        return;
    }
    QCOMPARE(r.title, QStringLiteral("Team"));
    QCOMPARE(r.players.size(), name.isEmpty() ? 0 : 1);
    if (name.isEmpty())
        return;
    QCOMPARE(r.players[0].number, number);
    QCOMPARE(r.players[0].position, position);
    QCOMPARE(r.players[0].name, name);
    QCOMPARE(r.players[0].line, 3);
}

void TestFormatRanking::knockoutMatchesDecideOnlyWhatTheyShow_data()
{
    QTest::addColumn<QByteArray>("knockout");
    QTest::addColumn<QString>("first");
    // Group A's first two are level on everything; match 25 is 1A v 2B.
    QTest::newRow("a match of group A's winner") << QByteArray("  A2  2-0  B1\n  A1  1-0  B2\n") << "A1";
    QTest::newRow("the other order") << QByteArray("  A2  1-0  B2\n") << "A2";
    // Only groups C and D played on: both orders of A fit, so none is taken.
    QTest::newRow("no match of group A") << QByteArray("  C1  1-0  D2\n") << "";
}

void TestFormatRanking::knockoutMatchesDecideOnlyWhatTheyShow()
{
    QFETCH(QByteArray, knockout);
    QFETCH(QString, first);
    // Every group: 1 beats 3 and 4, 2 beats 3 and 4, 3 beats 4; 1 and 2 draw
    // in group A (level on 7 points and 3:1 goals), 1 beats 2 elsewhere.
    QByteArray text = "= Test Cup\n\n";
    for (char g = 'A'; g <= 'D'; ++g)
        text += "Group " + QByteArray(1, g) + " |  " + g + "1  " + g + "2  " + g + "3  " + g + "4\n";
    for (char g = 'A'; g <= 'D'; ++g) {
        text += "\nGroup " + QByteArray(1, g) + "\n";
        for (int i = 1; i <= 4; ++i)
            for (int j = i + 1; j <= 4; ++j)
                text += "  " + QByteArray(1, g) + QByteArray::number(i) + (g == 'A' && j == 2 ? "  1-1  " : "  1-0  ")
                        + QByteArray(1, g) + QByteArray::number(j) + "\n";
    }
    text += "\nQuarter-finals\n" + knockout;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("cup.txt"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();
    FormatTournament t = fresh("euro2000");
    const FormatImport::Result r = FormatImport::importFiles(t, {file}, QString());
    QVERIFY2(r.ok, qPrintable(r.error));
    const FormatStandings s = rankFormat(t);
    if (first.isEmpty()) {
        QCOMPARE(r.open.size(), size_t(1));
        QCOMPARE(r.open.front().where, QStringLiteral("Group A"));
        QVERIFY(t.decisions.empty());
        QVERIFY(!s.groups[0].known[0]);
        QCOMPARE(r.knockoutMatches, 1);
        return;
    }
    QVERIFY(r.open.empty());
    QCOMPARE(t.teamName(s.groups[0].lines[0].team), first);
    QVERIFY2(r.notes.join(QLatin1Char('\n')).contains(QStringLiteral("Group A: A1 and A2 are level on every rule")),
             qPrintable(r.notes.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestFormatRanking)
#include "tst_formatranking.moc"
