#include <QtTest>

#include "league/export/Exporters.h"
#include "league/model/League.h"
#include "league/standings/CrossTable.h"
#include "league/standings/RowBands.h"
#include "league/standings/Standings.h"

namespace {

// One paragraph as a reader sees it: alignment, tab stops, character
// format and the text with tabs as '\t' and escapes resolved.
struct Para {
    bool centred = false;
    QList<int> tabs;
    int points = 0;
    bool bold = false;
    bool underline = false;
    QColor color;
    QByteArray text;
};

struct Doc {
    QList<Para> paras;
    QString error;
};

// Reads the subset of RTF the writer produces: a header group with the
// font and colour tables, then one \pard ... \par per line.
Doc parse(const QByteArray &rtf)
{
    Doc doc;
    const QRegularExpression colorTable(QStringLiteral(R"(\{\\colortbl;((?:\\red\d+\\green\d+\\blue\d+;)+)\})"));
    const auto ct = colorTable.match(QString::fromLatin1(rtf));
    if (!rtf.startsWith("{\\rtf1\\ansi") || !ct.hasMatch() || !rtf.endsWith("}\r\n")) {
        doc.error = QStringLiteral("header or end");
        return doc;
    }
    QList<QColor> colors{QColor()};
    const QRegularExpression rgb(QStringLiteral(R"(\\red(\d+)\\green(\d+)\\blue(\d+);)"));
    for (auto it = rgb.globalMatch(ct.captured(1)); it.hasNext();) {
        const auto m = it.next();
        colors << QColor(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    }

    const QRegularExpression para(QStringLiteral(
        R"(^\\pard((?:\\tx\d+)*)\\(ql|qc)\\plain\\f0\\fs(\d+)(\\b)?(\\ul)?\\cf(\d+)(?: (.*))?\\par$)"));
    const qsizetype bodyStart = rtf.indexOf("\\pard");
    const QByteArray body = bodyStart < 0 ? QByteArray() : rtf.mid(bodyStart, rtf.size() - bodyStart - 3);
    for (const QByteArray &line : body.split('\n')) {
        const QByteArray l = line.endsWith('\r') ? line.chopped(1) : line;
        if (l.isEmpty())
            continue;
        const auto m = para.match(QString::fromLatin1(l));
        if (!m.hasMatch()) {
            doc.error = QStringLiteral("paragraph: ") + QString::fromLatin1(l);
            return doc;
        }
        Para p;
        for (const QString &tx : m.captured(1).split(QStringLiteral("\\tx"), Qt::SkipEmptyParts))
            p.tabs << tx.toInt();
        p.centred = m.captured(2) == QLatin1String("qc");
        p.points = m.captured(3).toInt() / 2;
        p.bold = !m.captured(4).isEmpty();
        p.underline = !m.captured(5).isEmpty();
        p.color = colors.value(m.captured(6).toInt());
        QByteArray raw = m.captured(7).toLatin1();
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] != '\\') {
                p.text += raw[i];
            } else if (raw.mid(i, 5) == "\\tab ") {
                p.text += '\t';
                i += 4;
            } else if (raw.mid(i, 2) == "\\'") {
                p.text += char(raw.mid(i + 2, 2).toInt(nullptr, 16));
                i += 3;
            } else {
                p.text += raw[i + 1];
                ++i;
            }
        }
        doc.paras << p;
    }
    return doc;
}

const QColor kBlack(0, 0, 0);

void checkHeader(const Doc &d, const QByteArray &title)
{
    QVERIFY2(d.error.isEmpty(), qPrintable(d.error));
    QVERIFY(d.paras.size() >= 4);
    QCOMPARE(d.paras[0].text, QByteArray("Tabulon '98 - die Ligaverwaltung"));
    QCOMPARE(d.paras[0].points, 8);
    QVERIFY(d.paras[0].bold);
    QCOMPARE(d.paras[1].text, QByteArray("Tabellen, Kreuztabellen, Spieltage und Fieberkurven f\xfcr jede Liga"));
    QCOMPARE(d.paras[1].points, 8);
    QVERIFY(!d.paras[1].bold);
    QCOMPARE(d.paras[2].text, QByteArray());
    QCOMPARE(d.paras[2].points, 8);
    QCOMPARE(d.paras[3].text, title);
    QCOMPARE(d.paras[3].points, 14);
    QVERIFY(d.paras[3].bold && d.paras[3].underline);
}

} // namespace

class TestExportRtf : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tablesDocument();
    void tablesAfterHomeView();
    void crossDocument();
    void emptyMatchdaysHoldFourCentredParagraphs();
    void matchdays();
    void escapes();
};

void TestExportRtf::tablesDocument()
{
    League l;
    l.teamNames[1] = QStringLiteral("Aue");
    l.match(1, 1) = Match{2, 1, 0, 4};
    Standings s;
    TabBer(l, s);
    const Doc d = parse(Exp_tb_RTF(s, RowBandColors::defaultLayout()));
    checkHeader(d, "Tabelle und Bilanzen");
    QCOMPARE(d.paras.size(), 4 + 2 + 18 + 2 + 18 + 2 + 18);

    const QList<int> stops{420, 4200, 4620, 5040, 5440, 6020, 6720, 7420, 7620, 8400};
    for (int i = 0; i < d.paras.size(); ++i) {
        QCOMPARE(d.paras[i].tabs, stops);
        QCOMPARE(d.paras[i].centred, i < 5);
    }
    QCOMPARE(d.paras[4].text, QByteArray());
    QVERIFY(d.paras[4].bold);
    QCOMPARE(d.paras[5].text, QByteArray("Tabelle\tSp.\ts\tu\tn\tPkt.\t+\tT\t-\tDiff."));
    QVERIFY(d.paras[5].bold);
    QCOMPARE(d.paras[5].points, 10);
    QCOMPARE(d.paras[6].text, QByteArray("1\tAue\t1\t1\t0\t0\t3\t4\t: \t0\t4"));
    QCOMPARE(d.paras[23].text, QByteArray("18\t\t1\t0\t0\t1\t0\t0\t: \t4\t-4"));

    // Rows 1, 2, 3-5 and 16-18 in the zone colours, the rest black.
    const QList<QColor> zones{QColor(0, 0, 255), QColor(255, 0, 255), QColor(0, 255, 0), QColor(0, 255, 0),
                              QColor(0, 255, 0)};
    for (int r = 1; r <= 18; ++r) {
        const Para &p = d.paras[5 + r];
        const QColor want = r <= 5 ? zones[r - 1] : r >= 16 ? QColor(255, 0, 0) : kBlack;
        QCOMPARE(p.color, want);
        QCOMPARE(p.points, 10);
        QVERIFY(!p.bold);
    }
    QCOMPARE(d.paras[24].text, QByteArray());
    QCOMPARE(d.paras[24].color, kBlack);
    QVERIFY(!d.paras[24].bold);
    QCOMPARE(d.paras[25].text, QByteArray("Heimbilanz\tSp.\ts\tu\tn\tPkt.\t+\tT\t-\tDiff."));
    QCOMPARE(d.paras[45].text, QByteArray("Ausw\xe4rtsbilanz\tSp.\ts\tu\tn\tPkt.\t+\tT\t-\tDiff."));
    for (int i = 26; i < d.paras.size(); ++i)
        QCOMPARE(d.paras[i].color, kBlack);
}

void TestExportRtf::tablesAfterHomeView()
{
    const League l;
    Standings s;
    TabBer(l, s);
    const Doc d = parse(Exp_tb_RTF(s, bandsForView(TableView::Home, l)));
    QVERIFY2(d.error.isEmpty(), qPrintable(d.error));
    for (int i = 0; i < d.paras.size(); ++i)
        QCOMPARE(d.paras[i].color, kBlack);
}

void TestExportRtf::crossDocument()
{
    League l;
    l.teamNames[8] = QStringLiteral("Jena");
    l.match(5, 1) = Match{8, 7, 1, 0};
    l.match(5, 2) = Match{8, 13, 2, 2};
    CrossGrid g;
    KreuzBer(l, g);
    const Doc d = parse(Exp_kt_RTF(g));
    checkHeader(d, "Kreuztabelle");
    QCOMPARE(d.paras.size(), 4 + 1 + 3 * 19 + 2);
    for (const Para &p : d.paras)
        QCOMPARE(p.tabs, (QList<int>{420, 4200, 5000, 5800, 6600, 7400, 8200}));
    QCOMPARE(d.paras[4].text, QByteArray());
    QVERIFY(d.paras[4].centred);

    const QByteArray numbers[] = {"\t\t1\t2\t3\t4\t5\t6", "\t\t7\t8\t9\t10\t11\t12", "\t\t13\t14\t15\t16\t17\t18"};
    for (int b = 0; b < 3; ++b) {
        const int at = 5 + 20 * b;
        QCOMPARE(d.paras[at].text, numbers[b]);
        QVERIFY(d.paras[at].bold);
        QCOMPARE(d.paras[at].points, 10);
        for (int r = 1; r <= 18; ++r) {
            QCOMPARE(d.paras[at + r].points, 9);
            QVERIFY(!d.paras[at + r].bold);
            QVERIFY(!d.paras[at + r].centred);
        }
        if (b < 2) {
            QCOMPARE(d.paras[at + 19].text, QByteArray());
            QVERIFY(d.paras[at + 19].bold);
            QCOMPARE(d.paras[at + 19].points, 9);
        }
    }
    QCOMPARE(d.paras[5 + 8].text, QByteArray("8\tJena\t\t\t\t\t\t"));
    QCOMPARE(d.paras[25 + 8].text, QByteArray("8\tJena\t1 : 0\t\t\t\t\t"));
    QCOMPARE(d.paras[45 + 8].text, QByteArray("8\tJena\t2 : 2\t\t\t\t\t"));
    QCOMPARE(d.paras[45 + 1].text, QByteArray("1\t\t\t\t\t\t\t"));
}

void TestExportRtf::emptyMatchdaysHoldFourCentredParagraphs()
{
    const League l;
    const Doc d = parse(Exp_st_RTF(l));
    checkHeader(d, "Spieltage");
    QCOMPARE(d.paras.size(), 4);
    for (const Para &p : d.paras) {
        QVERIFY(p.centred);
        QCOMPARE(p.tabs, (QList<int>{3780, 4060, 8120, 8540, 8740}));
    }
}

void TestExportRtf::matchdays()
{
    League l;
    l.teamNames[1] = QStringLiteral("Ulm");
    l.teamNames[2] = QStringLiteral("Haching");
    l.dates(9) = RoundDates{QStringLiteral("01.10.2026"), QStringLiteral("02.10.2026")};
    l.match(9, 1) = Match{1, 2, 3, 1};
    l.match(9, 2) = Match{2, 1, -1, -1};
    l.match(9, 3) = Match{0, 0, 0, 5};
    l.match(9, 4) = Match{1, 0, 1, 1};
    const Doc d = parse(Exp_st_RTF(l));
    checkHeader(d, "Spieltage");
    QCOMPARE(d.paras.size(), 4 + 2 + 9);
    // The fifth paragraph, the empty one before the first heading, is the
    // last centred one.
    QCOMPARE(d.paras[4].text, QByteArray());
    QVERIFY(d.paras[4].centred);
    QVERIFY(d.paras[4].bold);
    QCOMPARE(d.paras[4].points, 10);
    QCOMPARE(d.paras[5].text, QByteArray("9. Spieltag vom 01.10.2026 bis 02.10.2026"));
    QVERIFY(!d.paras[5].centred);
    QVERIFY(d.paras[5].bold);
    const QList<QByteArray> rows{"Ulm\t-\tHaching\t3\t:\t1", "Haching\t-\tUlm", "\t0\t:\t5", "\t1\t:\t1",
                                 "", "", "", "", ""};
    for (int k = 0; k < 9; ++k) {
        QCOMPARE(d.paras[6 + k].text, rows[k]);
        QVERIFY(!d.paras[6 + k].centred);
        QVERIFY(!d.paras[6 + k].bold);
        QCOMPARE(d.paras[6 + k].points, 10);
    }
}

void TestExportRtf::escapes()
{
    League l;
    l.teamNames[1] = QStringLiteral("{A}\\B Köln");
    l.teamNames[2] = QStringLiteral("X");
    l.match(1, 1) = Match{1, 2, 1, 0};
    const QByteArray rtf = Exp_st_RTF(l);
    QVERIFY(rtf.contains(" \\{A\\}\\\\B K\\'f6ln\\tab -\\tab X\\tab 1\\tab :\\tab 0\\par\r\n"));
    // Everything outside the escapes is 7-bit.
    for (char c : rtf)
        QVERIFY(static_cast<unsigned char>(c) < 128);
}

QTEST_GUILESS_MAIN(TestExportRtf)
#include "tst_export_rtf.moc"
