#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "fixture_helper.h"
#include "tournament_helper.h"
#include "tournament/format/FormatFiles.h"
#include "tournament/format/TournamentFormat.h"
#include "tournament/ui/FormatEntryPage.h"
#include "tournament/ui/FormatGroupsPage.h"
#include "tournament/ui/FormatLotsDialog.h"
#include "tournament/ui/FormatSession.h"
#include "tournament/ui/FormatWindow.h"

namespace {

// The shipped World Cup 2026 format as its text says it: which side of
// which match a code such as "1E" names, the matches of the thirds in the
// order of the table's columns, and the table's rows.
struct FormatText
{
    QHash<QString, QPair<int, int>> sides; // "1E" -> (match, side 0 or 1)
    QList<int> thirdMatches;
    QHash<QString, QString> rows;           // "ABCDEFGH" -> "HGBCAFDE"

    FormatText()
    {
        QFile f(QStringLiteral(TEST_SOURCE_DIR "/tournament/format/formats/world2026.format"));
        f.open(QIODevice::ReadOnly);
        for (const QByteArray &raw : f.readAll().split('\n')) {
            const QStringList w = QString::fromUtf8(raw).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (w.size() == 4 && w[0] == QLatin1String("match")) {
                sides.insert(w[2], {w[1].toInt(), 0});
                sides.insert(w[3], {w[1].toInt(), 1});
            } else if (w.size() > 2 && w[0] == QLatin1String("thirds")) {
                for (int i = 2; i < w.size(); ++i)
                    thirdMatches << w[i].toInt();
            } else if (w.size() == 3 && w[0] == QLatin1String("row")) {
                rows.insert(w[1], w[2]);
            }
        }
    }

    // The match and side of the team at place (0 = first) of group letter,
    // with the thirds of qualified going on; match 0 for a team that is out.
    QPair<int, int> slotOf(QChar letter, int place, const QString &qualified) const
    {
        if (place < 2)
            return sides.value(QString::number(place + 1) + letter);
        if (place > 2 || !qualified.contains(letter))
            return {0, 0};
        const int column = int(rows.value(qualified).indexOf(letter));
        const int match = thirdMatches.value(column);
        for (auto it = sides.begin(); it != sides.end(); ++it)
            if (it.value().first == match && it.key().startsWith(QLatin1Char('3')))
                return it.value();
        return {0, 0};
    }
};

// Twelve groups of teams named "A1" to "L4" by the draw. In every group
// the first drawn beats all 1-0, the second beats the third and fourth
// 1-0, and the third beats the fourth by 12 goals in A, 11 in B, ... 1 in
// L, so the thirds stand A to L and those of A to H go on. Changes for a
// tie: "E" has E1 and E2 draw 1-1 (level on 7 points, 3-1 goals); "B" has
// B1, B2 and B3 draw with one another 1-1 and beat B4 1-0 (level on 5
// points, 3-2 goals);
// "cut" gives I3 the margin of H3, 5, so that they are level at the cut.
// The last match of the tie's group is left out, to be entered.
FormatTournament worldCup(const QString &tie, FormatGroupMatch *last)
{
    FormatTournament t = th::drawnGroups(QStringLiteral("world2026"));
    const int lastGroup = tie == QLatin1String("cut") ? 8 : tie.at(0).unicode() - 'A';
    for (int g = 0; g < 12; ++g) {
        const bool two = tie == QLatin1String("E") && g == 4;
        const bool three = tie == QLatin1String("B") && g == 1;
        const int margin = tie == QLatin1String("cut") && g == 8 ? 5 : three ? 1 : 12 - g;
        std::array<FormatGroupMatch, 6> matches = th::orderlyGroupMatches(g, margin);
        if (two || three)
            matches[0].score2 = 1;
        if (three)
            matches[1].score2 = matches[3].score2 = 1;
        for (const FormatGroupMatch &m : matches) {
            if (g == lastGroup && &m == &matches[5])
                *last = m;
            else
                t.groupMatches.push_back(m);
        }
    }
    return t;
}

QStringList listed(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

} // namespace

class TestFormatLots : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void tieDecided_data();
    void tieDecided();

private:
    QTemporaryDir m_config;
};

void TestFormatLots::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
}

void TestFormatLots::tieDecided_data()
{
    QTest::addColumn<QString>("tie");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QStringList>("candidates");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QStringList>("order");     // the tied teams as they then stand
    QTest::addColumn<QString>("qualified");     // groups whose thirds go on
    const QString aToH = QStringLiteral("ABCDEFGH");
    QTest::newRow("group winner") << "E" << "In the group E" << QStringList{"E1", "E2"} << QStringList{"E2"}
                                  << QStringList{"E2", "E1"} << aToH;
    QTest::newRow("group runner-up picked, the winner follows")
        << "E" << "In the group E" << QStringList{"E1", "E2"} << QStringList{"E1"} << QStringList{"E1", "E2"} << aToH;
    // Three level: the first and the second place are drawn, the third
    // follows; B's third has 5 points, the best of the thirds.
    QTest::newRow("three for first place") << "B" << "In the group B" << QStringList{"B1", "B2", "B3"}
                                           << QStringList{"B3", "B1"} << QStringList{"B3", "B1", "B2"} << aToH;
    QTest::newRow("cut: the lower drawn goes on")
        << "cut" << "Among the third-placed teams" << QStringList{"H3", "I3"} << QStringList{"I3"}
        << QStringList{"I3", "H3"} << "ABCDEFGI";
    QTest::newRow("cut: the higher drawn goes on")
        << "cut" << "Among the third-placed teams" << QStringList{"H3", "I3"} << QStringList{"H3"}
        << QStringList{"H3", "I3"} << aToH;
}

void TestFormatLots::tieDecided()
{
    QFETCH(QString, tie);
    QFETCH(QString, where);
    QFETCH(QStringList, candidates);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, order);
    QFETCH(QString, qualified);
    const FormatText text;
    QTemporaryDir dir;
    FormatGroupMatch last;
    ScriptedPlatform platform;
    {
        FormatWindow window(worldCup(tie, &last), dir.path(), platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        FormatLotsDialog *lots = window.lotsDialog;
        QVERIFY(!lots->isVisible());
        QVERIFY(window.session().standings().open.empty());

        // The last result of the group, typed in: the tie can be decided now.
        FormatEntryPage *entry = window.newResultPage;
        const FormatTournament &t = window.session().tournament();
        Fixture::chooses(entry->groupChoice, QString(QChar('A' + last.team1 / 4)));
        Fixture::chooses(entry->team1Choice, t.teamName(last.team1));
        Fixture::chooses(entry->team2Choice, t.teamName(last.team2));
        entry->score1->setValue(last.score1);
        entry->score2->setValue(last.score2);
        QTest::mouseClick(entry->recordButton, Qt::LeftButton);
        QVERIFY(lots->isVisible());
        QCOMPARE(lots->windowTitle(), QStringLiteral("Drawing Lots"));
        QCOMPARE(lots->whereLabel->text(), where);
        QCOMPARE(listed(lots->teamList), candidates);
        // The page says so too, until it is decided.
        window.classificationsPage->refresh();
        QVERIFY(!window.classificationsPage->lotsButton->isHidden());

        for (const QString &pick : picks) {
            const QList<QListWidgetItem *> found = lots->teamList->findItems(pick, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            lots->teamList->setCurrentItem(found.front());
            QTest::mouseClick(lots->okButton, Qt::LeftButton);
        }
        QVERIFY(!lots->isVisible());
        QVERIFY(window.session().standings().open.empty());
        QCOMPARE(int(t.decisions.size()), 1);
        QVERIFY(platform.messages.isEmpty());
        window.classificationsPage->refresh();
        QVERIFY(window.classificationsPage->lotsButton->isHidden());
    }

    // Read back from the folder, as the next start reads it.
    FormatTournament back;
    const FormatFiles::Load loaded = FormatFiles::load(back, dir.path());
    QVERIFY2(loaded.ok, qPrintable(loaded.error));
    const FormatStandings s = rankFormat(back);
    QVERIFY(s.open.empty());
    QStringList got;
    if (tie == QLatin1String("cut")) {
        for (int k = 7; k < 9; ++k)
            got << back.teamName(s.thirds[size_t(k)].line.team);
    } else {
        for (int p = 0; p < int(order.size()); ++p)
            got << back.teamName(s.groups[size_t(tie.at(0).unicode() - 'A')].lines[size_t(p)].team);
    }
    QCOMPARE(got, order);
    // Each tied team where the format's table puts it in the round of 32.
    for (int p = 0; p < int(order.size()); ++p) {
        const QChar letter = order[p].at(0);
        const int place = tie == QLatin1String("cut") ? 2 : p;
        const QPair<int, int> slot = text.slotOf(letter, place, qualified);
        const int team = back.findTeam(order[p]);
        if (slot.first == 0) {
            for (size_t i = 0; i < s.bracket.size(); ++i)
                QVERIFY2(s.bracket[i].team1 != team && s.bracket[i].team2 != team, qPrintable(order[p]));
            continue;
        }
        const FormatStandings::Slot &b = s.bracket[size_t(back.format.indexOf(slot.first))];
        QCOMPARE(back.teamName(slot.second == 0 ? b.team1 : b.team2), order[p]);
    }
    // Opened again, the window asks for nothing.
    FormatWindow again(std::move(back), dir.path(), platform);
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QVERIFY(!again.lotsDialog->isVisible());
    QVERIFY(again.classificationsPage->lotsButton->isHidden());
}

QTEST_MAIN(TestFormatLots)
#include "tst_formatlots.moc"
