#include <QtTest>

#include "files_helper.h"

#include "league/model/IniFile.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void integerRules_data();
    void integerRules();
    void booleans_data();
    void booleans();
    void stringsAreReadAsWritten();
    void lookupIgnoresCase();
    void firstKeyWinsAndEditsKeepLookups();
    void newFileKeepsFirstWriteOrder();
    void existingFileIsUpdatedInPlace();
    void windows1252BothWays();
    void lineBreaksInValuesCannotAddEntries();
    void saveRoundTripsThroughDisk();
    void refusedSaveLeavesOldFile_data();
    void refusedSaveLeavesOldFile();
};

void TestIniFile::integerRules_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("decimal") << QByteArray("17") << 17;
    QTest::newRow("negative") << QByteArray("-1") << -1;
    QTest::newRow("plus sign") << QByteArray("+4") << 4;
    QTest::newRow("blanks around") << QByteArray("  12 ") << 12;
    QTest::newRow("hex lower") << QByteArray("0x0A") << 10;
    QTest::newRow("hex upper prefix") << QByteArray("0X1f") << 31;
    QTest::newRow("hex all bits") << QByteArray("0xFFFFFFFF") << -1;
    QTest::newRow("hex too long") << QByteArray("0x100000000") << 99;
    QTest::newRow("prefix alone") << QByteArray("0x") << 99;
    QTest::newRow("hex bad digit") << QByteArray("0x1G") << 99;
    QTest::newRow("letters") << QByteArray("abc") << 99;
    QTest::newRow("trailing letters") << QByteArray("12abc") << 99;
    QTest::newRow("empty") << QByteArray("") << 99;
    QTest::newRow("sign alone") << QByteArray("-") << 99;
    QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("smallest") << QByteArray("-2147483648") << int(-2147483648LL);
    QTest::newRow("overflow") << QByteArray("2147483648") << 99;
    QTest::newRow("dollar hex is not hex") << QByteArray("$10") << 99;
    // Only the first 1023 characters count: 1022 zeros and a 5 are 5, but
    // with one zero more the 5 falls off and the value is 0.
    QTest::newRow("1023 characters") << (QByteArray(1022, '0') + "5") << 5;
    QTest::newRow("1024 characters") << (QByteArray(1023, '0') + "5") << 0;
}

void TestIniFile::integerRules()
{
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    IniFile ini;
    ini.fromBytes("[S]\r\nK=" + value + "\r\n");
    QCOMPARE(ini.readInteger("S", "K", 99), expected);
    QCOMPARE(ini.readInteger("S", "Missing", 99), 99);
    QCOMPARE(ini.readInteger("Missing", "K", 99), 99);
}

void TestIniFile::booleans_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("def");
    QTest::addColumn<bool>("expected");

    QTest::newRow("0") << QByteArray("[S]\nB=0\n") << true << false;
    QTest::newRow("1") << QByteArray("[S]\nB=1\n") << false << true;
    QTest::newRow("7") << QByteArray("[S]\nB=7\n") << false << true;
    QTest::newRow("-1") << QByteArray("[S]\nB=-1\n") << false << true;
    QTest::newRow("hex zero") << QByteArray("[S]\nB=0x0\n") << true << false;
    QTest::newRow("text, default true") << QByteArray("[S]\nB=ja\n") << true << true;
    QTest::newRow("text, default false") << QByteArray("[S]\nB=ja\n") << false << false;
    QTest::newRow("missing, default true") << QByteArray("[S]\n") << true << true;
    QTest::newRow("missing, default false") << QByteArray("") << false << false;
}

void TestIniFile::booleans()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, def);
    QFETCH(bool, expected);
    IniFile ini;
    ini.fromBytes(file);
    QCOMPARE(ini.readBool("S", "B", def), expected);
}

void TestIniFile::stringsAreReadAsWritten()
{
    IniFile ini;
    ini.fromBytes("[S]\r\nA=x = y \r\nEmpty=\r\nLong=" + QByteArray(1100, 'z') + "\r\n");
    QCOMPARE(ini.readString("S", "A", "d"), QString("x = y "));
    QCOMPARE(ini.readString("S", "Empty", "d"), QString(""));
    QCOMPARE(ini.readString("S", "Missing", "d"), QString("d"));
    QCOMPARE(ini.readString("S", "Long", "d"), QString(1023, 'z'));
}

void TestIniFile::lookupIgnoresCase()
{
    IniFile ini;
    ini.fromBytes("[OPTIONS]\r\nactual=5\r\n[options]\r\nActual=6\r\n");
    // The first matching section wins, whatever its spelling.
    QCOMPARE(ini.readInteger("Options", "ACTUAL", 1), 5);
    ini.writeInteger("oPtIoNs", "Actual", 8);
    QCOMPARE(ini.toBytes(), QByteArray("[OPTIONS]\r\nactual=8\r\n[options]\r\nActual=6\r\n"));
}

void TestIniFile::firstKeyWinsAndEditsKeepLookups()
{
    IniFile ini;
    ini.fromBytes("[Teams]\r\n"
                  "1=Erster\r\n"
                  " \xC4RA =alt\r\n"
                  "1=Zweiter\r\n"
                  "\r\n"
                  "\r\n"
                  "[Rest]\r\n"
                  "x=1\r\n");
    // A repeated key: reads and writes both reach its first line.
    QCOMPARE(ini.readString("teams", "1", "d"), QString("Erster"));
    // Blanks around a key do not count; letters beyond ASCII ignore case too.
    QCOMPARE(ini.readString("TEAMS", "ära", "d"), QString("alt"));
    QVERIFY(!ini.hasKey("Teams", " ÄRA "));
    ini.writeString("Teams", "1", "Neu");
    // New keys go behind the last entry, ahead of the blank lines; every key
    // written or read before still finds its own line afterwards.
    ini.writeString("Teams", "2", "B");
    ini.writeString("Teams", "3", "C");
    ini.writeString("Teams", "2", "B2");
    ini.writeString("Rest", "y", "2");
    ini.writeString("NEU", "k", "v");
    ini.writeString("neu", "K", "w");
    QCOMPARE(ini.readString("Teams", "3", "d"), QString("C"));
    QCOMPARE(ini.readString("Rest", "X", "d"), QString("1"));
    QCOMPARE(ini.keys("Teams"), QStringList({"1", "ÄRA", "1", "2", "3"}));
    QCOMPARE(ini.toBytes(), QByteArray("[Teams]\r\n"
                                       "1=Neu\r\n"
                                       " \xC4RA =alt\r\n"
                                       "1=Zweiter\r\n"
                                       "2=B2\r\n"
                                       "3=C\r\n"
                                       "\r\n"
                                       "\r\n"
                                       "[Rest]\r\n"
                                       "x=1\r\n"
                                       "y=2\r\n"
                                       "[NEU]\r\n"
                                       "k=w\r\n"));
    // A copy keeps its own lookups.
    IniFile copy = ini;
    copy.writeString("Teams", "3", "D");
    QCOMPARE(copy.readString("Teams", "3", "d"), QString("D"));
    QCOMPARE(ini.readString("Teams", "3", "d"), QString("C"));
}

void TestIniFile::newFileKeepsFirstWriteOrder()
{
    IniFile ini;
    ini.writeString("B", "x", "1");
    ini.writeString("A", "y", "2");
    ini.writeInteger("B", "w", -3);
    ini.writeBool("A", "z", true);
    ini.writeBool("B", "x", false);
    QCOMPARE(ini.toBytes(), QByteArray("[B]\r\nx=0\r\nw=-3\r\n[A]\r\ny=2\r\nz=1\r\n"));
    QCOMPARE(ini.sections(), QStringList({"B", "A"}));
    QCOMPARE(ini.keys("b"), QStringList({"x", "w"}));
}

void TestIniFile::existingFileIsUpdatedInPlace()
{
    IniFile ini;
    ini.fromBytes("; written by hand\n"
                  "[Options]\n"
                  "Foreign=keep me\n"
                  "Title = Old\n"
                  "no equals sign here\n"
                  "\n"
                  "[Extra]\n"
                  "a=b\n");
    ini.writeString("options", "title", "New");
    ini.writeInteger("Options", "Actual", 3);
    ini.writeString("Teams", "1", "Neu");
    QCOMPARE(ini.toBytes(), QByteArray("; written by hand\r\n"
                                       "[Options]\r\n"
                                       "Foreign=keep me\r\n"
                                       "Title=New\r\n"
                                       "no equals sign here\r\n"
                                       "Actual=3\r\n"
                                       "\r\n"
                                       "[Extra]\r\n"
                                       "a=b\r\n"
                                       "[Teams]\r\n"
                                       "1=Neu\r\n"));
}

void TestIniFile::windows1252BothWays()
{
    // Every byte but the two line-end bytes can stand in a value. Read as
    // text and written back, each one must come out as the same byte.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            all.append(char(b));
    IniFile in;
    in.fromBytes("[S]\r\nK=" + all + "\r\n");
    const QString text = in.readString("S", "K", QString());
    QCOMPARE(text.size(), 254);
    QCOMPARE(text.at(0xE4 - 2), QChar(0x00E4)); // ä
    QCOMPARE(text.at(0x80 - 2), QChar(0x20AC)); // €
    QCOMPARE(text.at(0x9F - 2), QChar(0x0178)); // Ÿ

    IniFile out;
    out.writeString("S", "K", text);
    QCOMPARE(out.toBytes(), "[S]\r\nK=" + all + "\r\n");

    IniFile names;
    names.writeString("Teams", "1", QString::fromUtf8("Grün-Weiß Öde €"));
    QCOMPARE(names.toBytes(), QByteArray("[Teams]\r\n1=Gr\xFCn-Wei\xDF \xD6" "de \x80\r\n"));
}

void TestIniFile::lineBreaksInValuesCannotAddEntries()
{
    IniFile ini;
    ini.writeString("S", "K", "a\r\n[Evil]\nX=1");
    QCOMPARE(ini.toBytes(), QByteArray("[S]\r\nK=a  [Evil] X=1\r\n"));
    QVERIFY(!ini.hasSection("Evil"));
}

void TestIniFile::saveRoundTripsThroughDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.ini");
    IniFile missing(path);
    QVERIFY(!missing.wasLoaded());
    QCOMPARE(missing.readInteger("S", "K", 42), 42);
    missing.writeInteger("S", "K", 7);
    QString error;
    QVERIFY(missing.save(&error));
    QCOMPARE(readAll(path), QByteArray("[S]\r\nK=7\r\n"));
    IniFile again(path);
    QVERIFY(again.wasLoaded());
    QCOMPARE(again.readInteger("s", "k", 42), 7);
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"x.ini"}));
}

void TestIniFile::refusedSaveLeavesOldFile_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("read-only folder") << "folder";
    QTest::newRow("read-only file") << "file";
    QTest::newRow("missing folder") << "missing";
}

void TestIniFile::refusedSaveLeavesOldFile()
{
    QFETCH(QString, where);
    QTemporaryDir tmp;
    QVERIFY(::chmod(QFile::encodeName(tmp.path()).constData(), 0755) == 0);
    const QString folder = tmp.filePath("league");
    QVERIFY(QDir().mkdir(folder));
    QString path = folder + "/a.ini";
    const QByteArray old("[S]\r\nK=1\r\n");
    writeAll(path, old);
    if (where == "folder")
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
    if (where == "file")
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
    if (where == "missing")
        path = tmp.filePath("nowhere/a.ini");

    IniFile ini(path);
    ini.writeInteger("S", "K", 2);
    QString error;
    bool saved;
    {
        AsUnprivileged guard;
        saved = ini.save(&error);
    }
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    QVERIFY(!saved);
    QCOMPARE(error, "Kann nicht nach " + path + " schreiben");
    QCOMPARE(readAll(folder + "/a.ini"), old);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"a.ini"}));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
