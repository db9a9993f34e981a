#include <QtTest>

#include "common/Cp1252.h"

class TestCp1252 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyByteRoundTrips();
    void knownCharacters_data();
    void knownCharacters();
    void refusesWhatTheCodePageCannotHold();
    void appendsAfterWhatIsThere();
};

void TestCp1252::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = Cp1252::decode(all);
    QCOMPARE(text.size(), 256);
    bool ok = false;
    QCOMPARE(Cp1252::encode(text, &ok), all);
    QVERIFY(ok);
    QVERIFY(Cp1252::canEncode(text));
}

void TestCp1252::knownCharacters_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("low quote") << 0x84 << 0x201E;
    QTest::newRow("ellipsis") << 0x85 << 0x2026;
    QTest::newRow("S caron") << 0x8A << 0x0160;
    QTest::newRow("left double quote") << 0x93 << 0x201C;
    QTest::newRow("en dash") << 0x96 << 0x2013;
    QTest::newRow("trade mark") << 0x99 << 0x2122;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("no-break space") << 0xA0 << 0x00A0;
    QTest::newRow("A umlaut") << 0xC4 << 0x00C4;
    QTest::newRow("sharp s") << 0xDF << 0x00DF;
    QTest::newRow("u umlaut") << 0xFC << 0x00FC;
    QTest::newRow("undefined 0x81") << 0x81 << 0x0081;
}

void TestCp1252::knownCharacters()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    const QString s = Cp1252::decode(QByteArray(1, static_cast<char>(byte)));
    QCOMPARE(int(s.at(0).unicode()), unicode);
    QCOMPARE(Cp1252::encode(QString(QChar(unicode))), QByteArray(1, static_cast<char>(byte)));
}

void TestCp1252::refusesWhatTheCodePageCannotHold()
{
    bool ok = true;
    QCOMPARE(Cp1252::encode(QStringLiteral("a\u0141b"), &ok), QByteArray("a?b"));
    QVERIFY(!ok);
    QVERIFY(!Cp1252::canEncode(QChar(0x0141))); // Polish L with stroke
    QVERIFY(!Cp1252::canEncode(QStringLiteral("\U0001F600")));
    QVERIFY(Cp1252::canEncode(QStringLiteral("Müller & Söhne €")));
}

void TestCp1252::appendsAfterWhatIsThere()
{
    // Lines of a document are appended one after the other: earlier bytes
    // stay, each UTF-16 unit gives one byte, also the two halves of a
    // character beyond the code page.
    QByteArray out("Kopf\r\n");
    Cp1252::appendEncoded(out, u"Gr\u00fcn \u20ac");
    QCOMPARE(out, QByteArray("Kopf\r\nGr\xfcn \x80"));
    Cp1252::appendEncoded(out, QStringView());
    QCOMPARE(out.size(), 12);
    Cp1252::appendEncoded(out, u"\U0001F600\u0141!");
    QCOMPARE(out, QByteArray("Kopf\r\nGr\xfcn \x80??" "?!"));
}

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
