// Line breaking, the cut line, auto-size and CR/LF handling of text elements.

#include "layout_fixture.h"
#include "printing/fonts.h"
#include "printing/prepare.h"

#include <QFontDatabase>
#include <QtTest>

using namespace kartella::printing;
using kartella::testing::bandLayout;

Q_DECLARE_METATYPE(kartella::printing::Alignment)

class TextLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void breaksLines_data();
    void breaksLines();
    void cutsLinesBelowTheBox_data();
    void cutsLinesBelowTheBox();
    void autoSizeGrowsByAlignment_data();
    void autoSizeGrowsByAlignment();
    void autoSizeKeepsCrLinesUnbroken();
    void autoStretchGrowsTheBand();
    void linesAreDrawnWhereTheyWereMeasured();
    void arialFamiliesHaveStandIns_data();
    void arialFamiliesHaveStandIns();
};

// Box widths are given as the width of a sample text plus a margin, so the cases hold for any font.
void TextLayoutTest::breaksLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("widthOf");
    QTest::addColumn<double>("extra");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("fits on one line") << "alma körte"
                                      << "alma körte" << 0.05 << QStringList{"alma körte"};
    QTest::newRow("last space that fits") << "aaa aaa aaa"
                                          << "aaa aaa" << 0.05 << QStringList{"aaa aaa", "aaa"};
    QTest::newRow("not at an earlier space") << "aa aa aa aa"
                                             << "aa aa aa" << 0.05 << QStringList{"aa aa aa", "aa"};
    QTest::newRow("spaces at a break are dropped") << "aaa    aaa"
                                                   << "aaa" << 0.05 << QStringList{"aaa", "aaa"};
    QTest::newRow("after a hyphen") << "aaa-aaa aaa"
                                    << "aaa-a" << 0.0 << QStringList{"aaa-", "aaa", "aaa"};
    QTest::newRow("word wider than the box") << "aaaaaaaa"
                                             << "aaa" << 0.05 << QStringList{"aaa", "aaa", "aa"};
    QTest::newRow("wide word after a short one") << "aa aaaaaaaa"
                                                 << "aaaa" << 0.05 << QStringList{"aa", "aaaa", "aaaa"};
    QTest::newRow("Hungarian letters")
        << "árvíztűrő tükörfúrógép"
        << "árvíztűrő tükörfúró" << 0.0 << QStringList{"árvíztűrő", "tükörfúrógép"};
    QTest::newRow("CR starts a line") << "aaa\raaa"
                                      << "aaa aaa aaa" << 0.0 << QStringList{"aaa", "aaa"};
    QTest::newRow("LF alone does nothing") << "aa\nbb"
                                           << "aaa aaa aaa" << 0.0 << QStringList{"aabb"};
    QTest::newRow("CR LF is one new line") << "aa\r\nbb"
                                           << "aaa aaa aaa" << 0.0 << QStringList{"aa", "bb"};
    QTest::newRow("empty line between CRs") << "aa\r\rbb"
                                            << "aaa aaa aaa" << 0.0 << QStringList{"aa", "", "bb"};
    QTest::newRow("CR then wrap") << "x\raaa aaa"
                                  << "aaa" << 0.05 << QStringList{"x", "aaa", "aaa"};
}

void TextLayoutTest::breaksLines() {
    QFETCH(QString, text);
    QFETCH(QString, widthOf);
    QFETCH(double, extra);
    QFETCH(QStringList, lines);
    const FontSpec font;
    QCOMPARE(breakLines(text, font, textWidth(font, widthOf) + Mm(extra)), lines);
}

void TextLayoutTest::cutsLinesBelowTheBox_data() {
    QTest::addColumn<double>("heightInLines");
    QTest::addColumn<int>("printed");
    QTest::newRow("half a line: nothing") << 0.5 << 0;
    QTest::newRow("exactly one line") << 1.0 << 1;
    QTest::newRow("just short of two") << 1.99 << 1;
    QTest::newRow("exactly two lines") << 2.0 << 2;
    QTest::newRow("room for more than there are") << 7.0 << 4;
}

void TextLayoutTest::cutsLinesBelowTheBox() {
    QFETCH(double, heightInLines);
    QFETCH(int, printed);
    const FontSpec font;
    const Mm lineHeight = fontMetrics(font).lineHeight;
    const Layout layout = bandLayout(
        QStringLiteral(
            R"({"name": "QRLabel1", "kind": "label", "box": [10, 20, 40, %1], "text": "egy\rkettő\rhárom\rnégy"})")
            .arg((lineHeight * heightInLines).value(), 0, 'g', 17));
    const Report report = prepare(layout);
    const PlacedElement& e = report.pages.at(0).bands.at(0).elements.at(0);
    QCOMPARE(int(e.lines.size()), printed);
    const QStringList all{"egy", "kettő", "három", "négy"};
    for (int i = 0; i < printed; ++i) {
        QCOMPARE(e.lines[size_t(i)].text, all[i]);
        // Each line ends inside the box: its baseline plus the descent is above the box's bottom.
        QVERIFY(e.lines[size_t(i)].baseline + fontMetrics(font).descent <= e.box.bottom());
    }
    QCOMPARE(e.box, (BoxMm{Mm(10), Mm(20), Mm(40), lineHeight * heightInLines}));
}

void TextLayoutTest::autoSizeGrowsByAlignment_data() {
    QTest::addColumn<Alignment>("alignment");
    QTest::addColumn<QString>("align");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("fixedAt"); // left edge, centre or right edge, depending on alignment
    QTest::newRow("left grows to the right") << Alignment::Left << "left"
                                             << "Árvíztűrő Tükörfúrógép Kft." << 50.0;
    QTest::newRow("right grows to the left") << Alignment::Right << "right"
                                             << "Árvíztűrő Tükörfúrógép Kft." << 70.0;
    QTest::newRow("centre grows both ways") << Alignment::Centre << "centre"
                                            << "Árvíztűrő Tükörfúrógép Kft." << 60.0;
    QTest::newRow("left shrinks to a short text") << Alignment::Left << "left"
                                                  << "Ab" << 50.0;
    QTest::newRow("right shrinks to a short text") << Alignment::Right << "right"
                                                   << "Ab" << 70.0;
}

void TextLayoutTest::autoSizeGrowsByAlignment() {
    QFETCH(Alignment, alignment);
    QFETCH(QString, align);
    QFETCH(QString, text);
    QFETCH(double, fixedAt);
    const FontSpec font{"Arial", 14, true};
    const Layout layout =
        bandLayout(QStringLiteral(R"({"name": "QRLabel1", "kind": "label", "box": [50, 10, 20, 6.3],
        "autoSize": true, "align": "%1", "text": "%2", "font": {"family": "Arial", "size": 14, "bold": true}})")
                       .arg(align, text));
    const Report report = prepare(layout);
    const PlacedElement& e = report.pages.at(0).bands.at(0).elements.at(0);
    const Mm width = textWidth(font, text);
    QCOMPARE(e.lines.size(), size_t(1)); // never wrapped
    QCOMPARE(e.lines[0].text, text);
    QCOMPARE(e.box.width, width);
    const Mm fixed = alignment == Alignment::Left    ? e.box.left
                     : alignment == Alignment::Right ? e.box.right()
                                                     : e.box.left + e.box.width / 2;
    QCOMPARE(fixed, Mm(fixedAt));
    QCOMPARE(e.lines[0].left, e.box.left);
    QCOMPARE(e.box.height, Mm(6.3));
}

void TextLayoutTest::autoSizeKeepsCrLinesUnbroken() {
    const Layout layout = bandLayout(R"({"name": "L", "kind": "label", "box": [5, 5, 1, 1], "autoSize": true,
        "text": "rövid\r\nsokkal hosszabb második sor"})");
    const Report report = prepare(layout);
    const PlacedElement& e = report.pages.at(0).bands.at(0).elements.at(0);
    QCOMPARE(e.lines.size(), size_t(2));
    QCOMPARE(e.lines[1].text, QStringLiteral("sokkal hosszabb második sor"));
    QCOMPARE(e.box.width, textWidth(FontSpec{}, "sokkal hosszabb második sor"));
    QCOMPARE(e.box.height, fontMetrics(FontSpec{}).lineHeight * 2.0);
    QCOMPARE(e.lines[1].baseline - e.lines[0].baseline, fontMetrics(FontSpec{}).lineHeight);
}

void TextLayoutTest::autoStretchGrowsTheBand() {
    QString text;
    for (int i = 0; i < 100; ++i)
        text += QStringLiteral("sor %1\r").arg(i);
    const Layout layout = bandLayout(QStringLiteral(R"({"name": "M", "kind": "label", "box": [5, 150, 50, 10],
        "autoStretch": true, "text": "%1"})")
                                         .arg(text.replace("\r", "\\r")));
    const Report report = prepare(layout);
    const PlacedElement& e = report.pages.at(0).bands.at(0).elements.at(0);
    QCOMPARE(e.lines.size(), size_t(101)); // 100 lines and the empty one after the last CR
    QVERIFY(report.pages.at(0).bands.at(0).box.height >= e.box.bottom());
    QVERIFY(e.box.height > Mm(10));
}

void TextLayoutTest::linesAreDrawnWhereTheyWereMeasured() {
    // A fixed label's lines sit one line height apart from the box's top, aligned in the box.
    const Layout layout =
        bandLayout(R"({"name": "L", "kind": "label", "box": [10, 30, 25, 40], "align": "right",
        "text": "első második harmadik negyedik"})");
    const Report report = prepare(layout);
    const PlacedElement& e = report.pages.at(0).bands.at(0).elements.at(0);
    const FontMetricsMm& m = fontMetrics(FontSpec{});
    QVERIFY(e.lines.size() >= 2);
    for (size_t i = 0; i < e.lines.size(); ++i) {
        QCOMPARE(e.lines[i].baseline, Mm(30) + m.ascent + m.lineHeight * double(i));
        QCOMPARE(e.lines[i].left + e.lines[i].width, Mm(35));
        QVERIFY(e.lines[i].width <= Mm(25));
    }
}

void TextLayoutTest::arialFamiliesHaveStandIns_data() {
    QTest::addColumn<QString>("family");
    QTest::newRow("Arial") << "Arial";
    QTest::newRow("Arial Narrow") << "Arial Narrow";
    QTest::newRow("Arial Black") << "Arial Black";
}

void TextLayoutTest::arialFamiliesHaveStandIns() {
    QFETCH(QString, family);
    const QString installed = installedFamily(family);
    QVERIFY2(QFontDatabase::hasFamily(installed), qPrintable(installed));
    // Every Hungarian letter has a glyph in the font that prints it.
    const QFontMetricsF metrics(unitFont(FontSpec{family, 10}));
    for (const QChar c : QStringLiteral("áéíóöőúüűÁÉÍÓÖŐÚÜŰ"))
        QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
    // The narrow font is narrower than the regular one, the black one at least as wide.
    const Mm regular = textWidth(FontSpec{"Arial", 10}, "Győr, Kossuth utca");
    const Mm own = textWidth(FontSpec{family, 10}, "Győr, Kossuth utca");
    if (family == "Arial Narrow")
        QVERIFY(own < regular * 0.9);
    else if (family == "Arial Black")
        QVERIFY(own >= regular);
}

QTEST_MAIN(TextLayoutTest)
#include "tst_text_layout.moc"
