#include <QtTest>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "common/gui/Bmp24.h"
#include "tournament/flags/CountryNames.h"
#include "tournament/flags/FlagPicture.h"
#include "tournament/flags/SvgPicture.h"
#include "tournament/flags/TeamFlags.h"
#include "tournament/model/NameChecks.h"
#include "tournament/model/TournamentFiles.h"

// Expected colours come from the flags' designs: France is blue, white and
// red in three equal upright bands; Japan a red disc, three fifths of the
// height across, in the middle of a white field; the United States thirteen
// stripes, red at top and bottom, and fifty white stars on a blue canton.
namespace {

bool isWhite(QRgb c)
{
    return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235;
}

bool isRed(QRgb c)
{
    return qRed(c) > 170 && qGreen(c) < 90 && qBlue(c) < 100 && qRed(c) - qGreen(c) > 90;
}

bool isBlue(QRgb c)
{
    return qBlue(c) > 80 && qRed(c) < 60 && qGreen(c) < 80;
}

bool isBlack(QRgb c)
{
    return qRed(c) < 20 && qGreen(c) < 20 && qBlue(c) < 20;
}

QString describe(QRgb c)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

quint32 le32(const QByteArray &b, int at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16
         | quint32(quint8(b[at + 3])) << 24;
}

quint16 le16(const QByteArray &b, int at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

} // namespace

class TestFlags : public QObject
{
    Q_OBJECT

private slots:
    void countryCodes_data();
    void countryCodes();
    void footballNamesOverruleTheList();
    void franceHasThreeUprightBands();
    void japanHasARedDiscInTheMiddle();
    void unitedStatesHasStarsAndStripes();
    void clippedElementsAreCutOut();
    void markersAreDrawnAtTheCorners();
    void bitmapLayout();
    void unknownTeamGetsPlainPicture();
    void initials_data();
    void initials();
    void flagNames_data();
    void flagNames();
    void writeFlagStaysInFolder();
    void writeFlagReportsFailure();
    void exampleTournamentFliesRealFlags();
};

void TestFlags::countryCodes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");

    QTest::newRow("plain") << "France" << "fr";
    QTest::newRow("lower case") << "france" << "fr";
    QTest::newRow("upper case") << "FRANCE" << "fr";
    QTest::newRow("blanks around") << "  Japan " << "jp";
    QTest::newRow("accents") << "Côte d'Ivoire" << "ci";
    QTest::newRow("no accents") << "Cote d'Ivoire" << "ci";
    QTest::newRow("typographic apostrophe") << QString::fromUtf8("C\u00f4te d\u2019Ivoire") << "ci";
    QTest::newRow("accents, any case") << "CÔTE D'IVOIRE" << "ci";
    QTest::newRow("Ivory Coast") << "Ivory Coast" << "ci";
    QTest::newRow("South Korea") << "South Korea" << "kr";
    QTest::newRow("Korea Republic") << "Korea Republic" << "kr";
    QTest::newRow("list form") << "Korea, Republic of" << "kr";
    QTest::newRow("said form") << "Republic of Korea" << "kr";
    QTest::newRow("North Korea") << "North Korea" << "kp";
    QTest::newRow("Korea DPR") << "Korea DPR" << "kp";
    QTest::newRow("England") << "England" << "gb-eng";
    QTest::newRow("Scotland") << "Scotland" << "gb-sct";
    QTest::newRow("Wales") << "Wales" << "gb-wls";
    QTest::newRow("Northern Ireland") << "Northern Ireland" << "gb-nir";
    QTest::newRow("Republic of Ireland") << "Republic of Ireland" << "ie";
    QTest::newRow("USA") << "USA" << "us";
    QTest::newRow("United States") << "United States" << "us";
    QTest::newRow("Iran") << "Iran" << "ir";
    QTest::newRow("IR Iran") << "IR Iran" << "ir";
    QTest::newRow("Czech Republic") << "Czech Republic" << "cz";
    QTest::newRow("Czechia") << "Czechia" << "cz";
    QTest::newRow("Russia") << "Russia" << "ru";
    QTest::newRow("Turkey") << "Turkey" << "tr";
    QTest::newRow("Türkiye") << "Türkiye" << "tr";
    QTest::newRow("Bosnia-Herzegovina") << "Bosnia-Herzegovina" << "ba";
    QTest::newRow("Holland") << "Holland" << "nl";
    QTest::newRow("leading The") << "The Netherlands" << "nl";
    QTest::newRow("China PR") << "China PR" << "cn";
    QTest::newRow("ampersand") << "Trinidad & Tobago" << "tt";
    QTest::newRow("St.") << "St. Lucia" << "lc";
    QTest::newRow("Curaçao") << "Curaçao" << "cw";
    QTest::newRow("São Tomé") << "São Tomé and Príncipe" << "st";
    QTest::newRow("Congo DR") << "Congo DR" << "cd";
    QTest::newRow("Congo") << "Congo" << "cg";
    QTest::newRow("common name") << "Bolivia" << "bo";
    QTest::newRow("without the brackets") << "Holy See" << "va";
    // Names the tournament files cut to 20 bytes.
    QTest::newRow("cut Bosnia") << "Bosnia and Herzegovi" << "ba";
    QTest::newRow("cut United States") << "United States of Ame" << "us";
    QTest::newRow("cut Saint Vincent") << "Saint Vincent and th" << "vc";

    // Teams that are no country today, and names of two countries.
    QTest::newRow("Yugoslavia") << "Yugoslavia" << "";
    QTest::newRow("Soviet Union") << "Soviet Union" << "";
    QTest::newRow("club") << "Real Madrid" << "";
    QTest::newRow("Korea alone") << "Korea" << "";
    QTest::newRow("Virgin Islands alone") << "Virgin Islands" << "";
    QTest::newRow("short beginning") << "Fra" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("punctuation only") << "--" << "";
}

void TestFlags::countryCodes()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QCOMPARE(CountryNames::builtIn().code(name), code);
}

void TestFlags::footballNamesOverruleTheList()
{
    // Without the country list only football's own names are known.
    const CountryNames none{QByteArray("not json")};
    QCOMPARE(none.code(QStringLiteral("England")), QStringLiteral("gb-eng"));
    QCOMPARE(none.code(QStringLiteral("France")), QString());

    const CountryNames list{QByteArray(R"({"3166-1": [
        {"alpha_2": "CG", "name": "Congo", "official_name": "Republic of the Congo"},
        {"alpha_2": "CD", "name": "Congo, The Democratic Republic of the"},
        {"alpha_2": "XY", "name": "Ivory Coast"},
        {"alpha_2": "QQ", "name": "Lowland"},
        {"alpha_2": "QR", "name": "Lowland"}
    ]})")};
    // A name of the list beats a form made from another name of the list.
    QCOMPARE(list.code(QStringLiteral("Congo")), QStringLiteral("cg"));
    QCOMPARE(list.code(QStringLiteral("Democratic Republic of the Congo")), QStringLiteral("cd"));
    QCOMPARE(list.code(QStringLiteral("Republic of the Congo")), QStringLiteral("cg"));
    // Football's names beat the list.
    QCOMPARE(list.code(QStringLiteral("Ivory Coast")), QStringLiteral("ci"));
    // A name two countries share is nobody's.
    QCOMPARE(list.code(QStringLiteral("Lowland")), QString());
}

void TestFlags::franceHasThreeUprightBands()
{
    const QImage f = FlagPicture::forTeam(QStringLiteral("France"));
    QCOMPARE(f.size(), QSize(78, 53));
    for (int y : {2, 26, 50}) {
        QVERIFY2(isBlue(f.pixel(10, y)), qPrintable(describe(f.pixel(10, y))));
        QVERIFY2(isWhite(f.pixel(39, y)), qPrintable(describe(f.pixel(39, y))));
        QVERIFY2(isRed(f.pixel(68, y)), qPrintable(describe(f.pixel(68, y))));
    }
    // The bands reach the edges.
    QVERIFY(isBlue(f.pixel(0, 0)));
    QVERIFY(isRed(f.pixel(77, 52)));
}

void TestFlags::japanHasARedDiscInTheMiddle()
{
    const QImage f = FlagPicture::forTeam(QStringLiteral("Japan"));
    QCOMPARE(f.size(), QSize(78, 53));
    // Disc: 3/5 of 53 across, about 32 pixels high; the 4:3 drawing is
    // stretched to 78 wide, so about 35 wide.
    QVERIFY(isRed(f.pixel(39, 26)));
    QVERIFY(isRed(f.pixel(39, 26 - 12)));
    QVERIFY(isRed(f.pixel(39, 26 + 12)));
    QVERIFY(isRed(f.pixel(39 - 14, 26)));
    QVERIFY(isRed(f.pixel(39 + 14, 26)));
    QVERIFY(isWhite(f.pixel(39, 26 - 20)));
    QVERIFY(isWhite(f.pixel(39, 26 + 20)));
    QVERIFY(isWhite(f.pixel(39 - 23, 26)));
    QVERIFY(isWhite(f.pixel(39 + 23, 26)));
    for (QPoint corner : {QPoint(1, 1), QPoint(76, 1), QPoint(1, 51), QPoint(76, 51)})
        QVERIFY(isWhite(f.pixel(corner)));
}

void TestFlags::unitedStatesHasStarsAndStripes()
{
    const QImage f = FlagPicture::forTeam(QStringLiteral("USA"));
    // Stripes of 53 / 13 pixels: the first and the last red, the second white.
    QVERIFY2(isRed(f.pixel(60, 1)), qPrintable(describe(f.pixel(60, 1))));
    QVERIFY2(isWhite(f.pixel(60, 6)), qPrintable(describe(f.pixel(60, 6))));
    QVERIFY2(isRed(f.pixel(60, 51)), qPrintable(describe(f.pixel(60, 51))));
    // The canton spans seven stripes and two fifths of the width; its fifty
    // stars make light pixels in it, a few pixels each.
    int light = 0;
    for (int y = 1; y < 27; ++y)
        for (int x = 1; x < 42; ++x)
            light += qGray(f.pixel(x, y)) > 150;
    QVERIFY2(light >= 50, qPrintable(QString::number(light)));
    QVERIFY2(light < 41 * 26 / 2, qPrintable(QString::number(light)));
}

void TestFlags::clippedElementsAreCutOut()
{
    // A clip standing outside <defs>, cutting a blue band across down to
    // its left half: the right half stays white, and the clip's own shape
    // is never drawn.
    const QByteArray halves = R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 100">
        <clipPath id="c"><path d="M0 0h50v100H0z"/></clipPath>
        <path fill="#00f" d="M0 40h100v20H0z" clip-path="url(#c)"/>
    </svg>)svg";
    QImage img = SvgPicture::render(halves, QSize(100, 100));
    QCOMPARE(img.size(), QSize(100, 100));
    QCOMPARE(img.pixel(25, 50), qRgb(0, 0, 255));
    QCOMPARE(img.pixel(75, 50), qRgb(255, 255, 255));
    QCOMPARE(img.pixel(25, 10), qRgb(255, 255, 255));
    // Nor is a clip that nothing uses.
    const QByteArray unused = R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 100">
        <clipPath id="c"><path d="M0 0h50v100H0z"/></clipPath>
        <path fill="#00f" d="M0 40h100v20H0z"/>
    </svg>)svg";
    img = SvgPicture::render(unused, QSize(100, 100));
    QCOMPARE(img.pixel(75, 50), qRgb(0, 0, 255));
    QCOMPARE(img.pixel(25, 10), qRgb(255, 255, 255));

    // The clip lies in the clipped group's own coordinates (moved right by
    // 50), and what follows is drawn over the clipped layer.
    const QByteArray moved = R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 100">
        <defs><clipPath id="c"><rect width="25" height="100"/></clipPath></defs>
        <path fill="#f00" d="M0 0h100v100H0z"/>
        <g clip-path="url(#c)" transform="translate(50 0)"><path fill="#00f" d="M-50 0h100v100h-100z"/></g>
        <path fill="#0f0" d="M0 90h100v10H0z"/>
    </svg>)svg";
    img = SvgPicture::render(moved, QSize(100, 100));
    QCOMPARE(img.pixel(25, 50), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(60, 50), qRgb(0, 0, 255));
    QCOMPARE(img.pixel(85, 50), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(60, 95), qRgb(0, 255, 0));

    // A <use> of an element that stands in another layer still draws it.
    const QByteArray used = R"svg(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" viewBox="0 0 100 100">
        <clipPath id="c"><rect width="100" height="50"/></clipPath>
        <path id="dot" fill="#000" d="M0 0h10v10H0z"/>
        <use xlink:href="#dot" x="40" y="40" clip-path="url(#c)"/>
        <use xlink:href="#dot" x="40" y="45" clip-path="url(#c)"/>
    </svg>)svg";
    img = SvgPicture::render(used, QSize(100, 100));
    QVERIFY(isBlack(img.pixel(5, 5)));
    QVERIFY(isBlack(img.pixel(45, 42)));
    QCOMPARE(img.pixel(45, 52), qRgb(255, 255, 255));

    QVERIFY(SvgPicture::render("<svg", QSize(10, 10)).isNull());
}

void TestFlags::markersAreDrawnAtTheCorners()
{
    // A 10 x 10 black square at each inner corner of the path, none at its
    // ends; the path itself draws nothing.
    const QByteArray svg = R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 100">
        <marker id="m" markerWidth="30" markerHeight="30"><path fill="#000" d="M0 0h10v10H0z"/></marker>
        <path fill="none" marker-mid="url(#m)" d="m5 5 25 0h30V60L70 80z"/>
    </svg>)svg";
    const QImage img = SvgPicture::render(svg, QSize(100, 100));
    QVERIFY(isBlack(img.pixel(35, 10)));  // at (30, 5)
    QVERIFY(isBlack(img.pixel(65, 10)));  // at (60, 5)
    QVERIFY(isBlack(img.pixel(65, 65)));  // at (60, 60)
    QVERIFY(isBlack(img.pixel(75, 85)));  // at (70, 80)
    QCOMPARE(img.pixel(8, 8), qRgb(255, 255, 255)); // the start (5, 5), also where z ends
    QCOMPARE(img.pixel(45, 30), qRgb(255, 255, 255));

    // In stroke-width units by default: a stroke of 2 doubles the square.
    const QByteArray wide = R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 100">
        <marker id="m" markerWidth="30" markerHeight="30"><path fill="#000" d="M0 0h10v10H0z"/></marker>
        <path fill="none" stroke-width="2" marker-end="url(#m)" d="M10 10L50 50"/>
    </svg>)svg";
    const QImage w = SvgPicture::render(wide, QSize(100, 100));
    QVERIFY(isBlack(w.pixel(65, 65)));
    QCOMPARE(w.pixel(75, 75), qRgb(255, 255, 255));
    QCOMPARE(w.pixel(15, 15), qRgb(255, 255, 255));
}

void TestFlags::bitmapLayout()
{
    QImage img(78, 53, QImage::Format_RGB32);
    img.fill(qRgb(10, 20, 30));
    img.setPixel(0, 0, qRgb(255, 0, 0));   // top left
    img.setPixel(77, 52, qRgb(0, 0, 255)); // bottom right
    const QByteArray b = Bmp24::encode(img, FlagPicture::kDotsPerMetre, FlagPicture::kDotsPerMetre);

    // 78 pixels of 3 bytes = 234, padded to 236 a row; 54 bytes of headers.
    QCOMPARE(b.size(), 54 + 236 * 53);
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(le32(b, 2), quint32(b.size()));
    QCOMPARE(le32(b, 10), 54u);
    QCOMPARE(le32(b, 14), 40u);
    QCOMPARE(le32(b, 18), 78u);
    QCOMPARE(le32(b, 22), 53u); // positive: bottom-up rows
    QCOMPARE(le16(b, 26), quint16(1));
    QCOMPARE(le16(b, 28), quint16(24));
    QCOMPARE(le32(b, 30), 0u);
    QCOMPARE(le32(b, 34), quint32(236 * 53));
    // The top row comes last, blue-green-red.
    const int top = 54 + 52 * 236;
    QCOMPARE(b.mid(top, 3), QByteArray("\x00\x00\xff", 3));
    QCOMPARE(b.mid(top + 3, 3), QByteArray("\x1e\x14\x0a", 3));
    QCOMPARE(b.mid(top + 234, 2), QByteArray("\x00\x00", 2));
    QCOMPARE(b.mid(54 + 77 * 3, 3), QByteArray("\xff\x00\x00", 3));

    // What the program loads reads it back pixel for pixel.
    const QImage back = QImage::fromData(b, "BMP");
    QCOMPARE(back.size(), img.size());
    QCOMPARE(back.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(back.pixel(77, 52), qRgb(0, 0, 255));
    QCOMPARE(back.pixel(40, 30), qRgb(10, 20, 30));
}

void TestFlags::unknownTeamGetsPlainPicture()
{
    const QImage plain = FlagPicture::forTeam(QStringLiteral("Real Madrid"));
    QCOMPARE(plain.size(), QSize(78, 53));
    QCOMPARE(plain, FlagPicture::plainPicture(QStringLiteral("Real Madrid")));
    // Drawn the same in every run, and differently for other initials.
    QCOMPARE(FlagPicture::forTeam(QStringLiteral("Real Madrid")), plain);
    QVERIFY(FlagPicture::plainPicture(QStringLiteral("Inter Milan")) != plain);
    // A neutral (grey) field...
    const QRgb field = plain.pixel(4, 4);
    QVERIFY(qAbs(qRed(field) - qBlue(field)) < 40 && qGray(field) > 180);
    // ... with dark letters in its middle band.
    int ink = 0;
    for (int y = 5; y < 40; ++y)
        for (int x = 5; x < 73; ++x)
            ink += qGray(plain.pixel(x, y)) < 100;
    QVERIFY2(ink > 100, qPrintable(QString::number(ink)));
    // A country's flag is no plain picture.
    QVERIFY(FlagPicture::forTeam(QStringLiteral("France")) != FlagPicture::plainPicture(QStringLiteral("France")));
    // A name without letters still gets a picture.
    QCOMPARE(FlagPicture::forTeam(QString()).size(), QSize(78, 53));
    QVERIFY(FlagPicture::countryFlag(QStringLiteral("../fr")).isNull());
    QVERIFY(FlagPicture::countryFlag(QStringLiteral("zz")).isNull());
}

void TestFlags::initials_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("initials");
    QTest::newRow("two words") << "Real Madrid" << "RM";
    QTest::newRow("joining word") << "Atlético de Madrid" << "AM";
    QTest::newRow("one word") << "Yugoslavia" << "YU";
    QTest::newRow("three at most") << "Brighton & Hove Albion Club" << "BHA";
    QTest::newRow("digits") << "1. FC Köln" << "1FK";
    QTest::newRow("accent") << "Ñandú" << "NA";
    QTest::newRow("nothing drawable") << "日本" << "";
    QTest::newRow("empty") << "" << "";
}

void TestFlags::initials()
{
    QFETCH(QString, name);
    QFETCH(QString, initials);
    QCOMPARE(FlagPicture::initials(name), initials);
}

void TestFlags::flagNames_data()
{
    QTest::addColumn<QString>("team");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("flag");
    QTest::newRow("plain") << "France" << QStringList{} << "france";
    QTest::newRow("words") << "Côte d'Ivoire" << QStringList{} << "cote_divoire";
    QTest::newRow("cut to 20") << "Bosnia and Herzegovina" << QStringList{} << "bosnia_and_herzegovi";
    QTest::newRow("no trailing _") << "Saint Vincent and the Grenadines" << QStringList{} << "saint_vincent_and_th";
    QTest::newRow("leaves the folder") << "../../etc/passwd" << QStringList{} << "etc_passwd";
    QTest::newRow("own picture") << "Logo" << QStringList{} << "logo_2";
    QTest::newRow("own picture, other case") << "DEFAUT" << QStringList{} << "defaut_2";
    QTest::newRow("taken") << "France" << QStringList{"france"} << "france_2";
    QTest::newRow("taken, any case") << "France" << QStringList{"France", "FRANCE_2"} << "france_3";
    QTest::newRow("taken, long") << "Bosnia and Herzegovina" << QStringList{"bosnia_and_herzegovi"}
                                 << "bosnia_and_herzego_2";
    QTest::newRow("nothing kept") << "日本" << QStringList{} << "team";
    QTest::newRow("nothing kept, taken") << "!!" << QStringList{"team"} << "team_2";
}

void TestFlags::flagNames()
{
    QFETCH(QString, team);
    QFETCH(QStringList, taken);
    QFETCH(QString, flag);
    const QString got = TeamFlags::flagName(team, taken);
    QCOMPARE(got, flag);
    QVERIFY(got.size() <= 20);
    QVERIFY(NameChecks::isPlainFileName(got + QStringLiteral(".bmp")));
}

void TestFlags::writeFlagStaysInFolder()
{
    QTemporaryDir dir;
    const TeamFlags::Written w = TeamFlags::writeFlag(dir.path(), QStringLiteral("Japan"));
    QVERIFY2(w.ok, qPrintable(w.error));
    QCOMPARE(w.flag, QStringLiteral("japan"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"japan.bmp"});
    const QImage img(dir.filePath(QStringLiteral("japan.bmp")));
    QCOMPARE(img.size(), QSize(78, 53));
    QVERIFY(isRed(img.pixel(39, 26)));
    QVERIFY(isWhite(img.pixel(3, 3)));

    const TeamFlags::Written up = TeamFlags::writeFlag(dir.path(), QStringLiteral("../up"), {w.flag});
    QVERIFY(up.ok);
    QCOMPARE(up.flag, QStringLiteral("up"));
    QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("up.bmp"))));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

void TestFlags::writeFlagReportsFailure()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no/such/folder"));
    const TeamFlags::Written w = TeamFlags::writeFlag(missing, QStringLiteral("Japan"));
    QVERIFY(!w.ok);
    QVERIFY(w.flag.isEmpty());
    QVERIFY2(w.error.contains(missing), qPrintable(w.error));
}

void TestFlags::exampleTournamentFliesRealFlags()
{
    const QString example = QStringLiteral(TEST_SOURCE_DIR "/examples/tournament");
    Tournament t;
    QVERIFY(loadGroups(t, example));
    int teams = 0;
    for (const TGroupe &g : t.groupes)
        for (const auto &team : g.teams) {
            const QImage img(QDir(example).filePath(team->flagFile()));
            QVERIFY2(img.size() == QSize(78, 53), qPrintable(team->flagFile()));
            QCOMPARE(img.depth(), 32); // read from 24 bits a pixel
            ++teams;
        }
    QCOMPARE(teams, 32);

    const QImage france(example + QStringLiteral("/france.bmp"));
    QVERIFY(isBlue(france.pixel(10, 26)));
    QVERIFY(isWhite(france.pixel(39, 26)));
    QVERIFY(isRed(france.pixel(68, 26)));
    const QImage japan(example + QStringLiteral("/japon.bmp"));
    QVERIFY(isRed(japan.pixel(39, 26)));
    QVERIFY(isWhite(japan.pixel(3, 3)));
    // England: a red cross on white.
    const QImage england(example + QStringLiteral("/angleterre.bmp"));
    QVERIFY(isRed(england.pixel(39, 26)));
    QVERIFY(isRed(england.pixel(5, 26)));
    QVERIFY(isRed(england.pixel(39, 3)));
    QVERIFY(isWhite(england.pixel(10, 10)));
    // Yugoslavia is no country today: its plain picture.
    QCOMPARE(QImage(example + QStringLiteral("/yougoslavie.bmp")).convertToFormat(QImage::Format_RGB32),
             FlagPicture::plainPicture(QStringLiteral("Yugoslavia")));
}

QTEST_GUILESS_MAIN(TestFlags)
#include "tst_flags.moc"
