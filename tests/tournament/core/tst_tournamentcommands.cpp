#include <QTemporaryDir>
#include <QtTest>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/group/Ranking.h"
#include "tournament/model/Resets.h"
#include "tournament_helper.h"

// Each command of the tournament window, kept three ways: marked for "Save",
// written at once, and written into a folder that cannot take files. The
// expected files follow from what each command changes, not from the program.
class TestTournamentCommands : public QObject
{
    Q_OBJECT

private slots:
    void keepsTheChange_data();
    void keepsTheChange();
};

namespace {

enum class Keep { Manual, Automatic, Broken };
// What becomes of a qualif.dat that was in the folder before the command.
enum class Qualifiers { Kept, Written, Removed };

// A qualifier file unlike any the program writes, so that a rewrite shows.
const QByteArray kOldQualifiers(336, 'q');

ResultEntry entry(const QString &team1, const QString &team2, int s1, int s2)
{
    ResultEntry e;
    e.groupText = team1.left(1);
    e.team1Text = team1;
    e.team2Text = team2;
    e.score1 = s1;
    e.score2 = s2;
    e.scorers1 = QStringList(s1, team1 + QStringLiteral("p1"));
    e.scorers2 = QStringList(s2, team2 + QStringLiteral("p1"));
    return e;
}

// The teams the bracket puts into `code`; the first wins by `goals` to 0.
ResultEntry stage2Entry(Tournament &t, char code, int goals)
{
    deriveBracket(t);
    const auto [a, b] = teamsOfMatch(t, code);
    return a && b ? entry(a->name.text(), b->name.text(), goals, 0) : ResultEntry{};
}

// The group stage so far: only A1 v A2, or all 48 matches with the slots
// derived and the first knock-out match played.
void prepare(Tournament &t, bool stage2)
{
    th::fillTournament(t);
    if (!stage2) {
        QVERIFY(storeGroupMatch(t, entry(QStringLiteral("A1"), QStringLiteral("A2"), 2, 1)));
        return;
    }
    for (char g = 'A'; g <= 'H'; ++g)
        for (int a = 1; a <= 4; ++a)
            for (int b = a + 1; b <= 4; ++b)
                th::play(t, QStringLiteral("%1%2").arg(QLatin1Char(g)).arg(a).toLatin1().constData(),
                         QStringLiteral("%1%2").arg(QLatin1Char(g)).arg(b).toLatin1().constData(), 5 - a, 0);
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    t.phase2 = true;
    t.code_match = '1';
    QVERIFY(storeStage2Match(t, stage2Entry(t, '1', 1)).recorded);
}

FileResult run(Tournament &t, const QString &command, bool autoSave, const QString &dir)
{
    using namespace TournamentCommands;
    if (command == QLatin1String("group result"))
        return storeGroupMatch(t, entry(QStringLiteral("A3"), QStringLiteral("A4"), 1, 0), autoSave, dir);
    if (command == QLatin1String("stage-2 result")) {
        const ResultEntry e = stage2Entry(t, '2', 1);
        t.code_match = '2';
        return storeStage2Match(t, e, autoSave, dir).save;
    }
    if (command == QLatin1String("lots finished"))
        return finishLots(t, autoSave, dir);
    if (command == QLatin1String("group match deleted"))
        return deleteGroupMatch(t, 0, autoSave, dir).save;
    if (command == QLatin1String("stage-2 match deleted"))
        return deleteStage2Match(t, autoSave, dir).save;
    if (command == QLatin1String("group match corrected"))
        return correctGroupMatch(t, 0, entry(QStringLiteral("A1"), QStringLiteral("A2"), 3, 1), autoSave, dir).save;
    if (command == QLatin1String("stage-2 match corrected"))
        return correctStage2Match(t, '1', stage2Entry(t, '1', 2), autoSave, dir).save;
    if (command == QLatin1String("reset all"))
        return resetEverything(t, autoSave, dir);
    if (command == QLatin1String("reset stage 2"))
        return resetStageTwo(t, autoSave, dir);
    return teamEdited(t, autoSave, dir);
}

} // namespace

Q_DECLARE_METATYPE(Keep)
Q_DECLARE_METATYPE(Qualifiers)

void TestTournamentCommands::keepsTheChange_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("stage2");
    QTest::addColumn<QStringList>("files"); // written at once, besides qualif.dat
    QTest::addColumn<Qualifiers>("qualifiers");
    QTest::addColumn<Keep>("keep");

    const QString m = QStringLiteral("matchs.dat"), s = QStringLiteral("tour2.dat"), b = QStringLiteral("buteurs.dat");
    const QStringList groups{QStringLiteral("groupeA.dat"), QStringLiteral("groupeH.dat")};
    struct Row
    {
        const char *command;
        bool stage2;
        QStringList files;
        Qualifiers qualifiers;
    };
    const Row rows[] = {
        {"group result", false, QStringList{m, b} + groups, Qualifiers::Kept},
        {"stage-2 result", true, QStringList{s, b} + groups, Qualifiers::Kept},
        {"lots finished", true, {}, Qualifiers::Written},
        {"group match deleted", false, QStringList{m} + groups, Qualifiers::Removed},
        {"stage-2 match deleted", true, QStringList{s} + groups, Qualifiers::Kept},
        {"group match corrected", false, QStringList{m, b} + groups, Qualifiers::Removed},
        {"stage-2 match corrected", true, QStringList{s, b} + groups, Qualifiers::Kept},
        {"reset all", true, QStringList{m, s} + groups, Qualifiers::Removed},
        {"reset stage 2", true, QStringList{s} + groups, Qualifiers::Removed},
        {"team edited", false, groups, Qualifiers::Kept},
    };
    const std::pair<const char *, Keep> keeps[] = {
        {"for Save", Keep::Manual}, {"at once", Keep::Automatic}, {"unwritable folder", Keep::Broken}};
    for (const Row &r : rows)
        for (const auto &[how, keep] : keeps)
            QTest::addRow("%s, %s", r.command, how)
                << QString::fromLatin1(r.command) << r.stage2 << r.files << r.qualifiers << keep;
}

void TestTournamentCommands::keepsTheChange()
{
    QFETCH(QString, command);
    QFETCH(bool, stage2);
    QFETCH(QStringList, files);
    QFETCH(Qualifiers, qualifiers);
    QFETCH(Keep, keep);

    QTemporaryDir tmp;
    QDir dir(tmp.path());
    th::writeFile(dir.filePath(QStringLiteral("qualif.dat")), kOldQualifiers);
    // A regular file where the folder should be: every write must fail.
    th::writeFile(dir.filePath(QStringLiteral("blocked")), "not a folder");
    const QString folder = keep == Keep::Broken ? dir.filePath(QStringLiteral("blocked")) : dir.path();

    Tournament t;
    prepare(t, stage2);
    t.modifie = false;
    t.qualif_a_effacer = t.qualif_a_ecrire = false;
    const FileResult r = run(t, command, keep != Keep::Manual, folder);

    const bool written = keep == Keep::Automatic;
    QCOMPARE(r.ok, keep != Keep::Broken);
    QCOMPARE(r.error.isEmpty(), keep != Keep::Broken);
    // A change that is not on the disk waits for "Save", including the
    // qualifier file it put out of date.
    QCOMPARE(t.modifie, !written);
    QCOMPARE(t.qualif_a_effacer, qualifiers == Qualifiers::Removed && !written);
    QCOMPARE(t.qualif_a_ecrire, qualifiers == Qualifiers::Written && !written);

    for (const QString &name : {QStringLiteral("matchs.dat"), QStringLiteral("tour2.dat"), QStringLiteral("buteurs.dat"),
                                QStringLiteral("groupeA.dat"), QStringLiteral("groupeH.dat")})
        QVERIFY2(dir.exists(name) == (written && files.contains(name)), qPrintable(name));
    const QString qualif = dir.filePath(QStringLiteral("qualif.dat"));
    if (!written || qualifiers == Qualifiers::Kept) {
        QCOMPARE(th::readFile(qualif), kOldQualifiers);
    } else if (qualifiers == Qualifiers::Removed) {
        QVERIFY(!QFile::exists(qualif));
    } else {
        // Sixteen 21-byte slots, each a length byte and the team's name.
        const QByteArray bytes = th::readFile(qualif);
        QCOMPARE(bytes.size(), 336);
        QCOMPARE(bytes.left(21), th::name21("A1"));
    }
}

QTEST_GUILESS_MAIN(TestTournamentCommands)
#include "tst_tournamentcommands.moc"
