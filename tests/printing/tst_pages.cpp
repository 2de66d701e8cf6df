// Page generation: bands once or once per record, columns filled top to bottom, new pages, bands
// taller than the page, and degenerate sheet settings.

#include "layout_fixture.h"
#include "printing/layout_window.h"
#include "printing/prepare.h"
#include "record_fixture.h"

#include <QtTest>

using namespace kartella::printing;
using kartella::testing::MemoryRecords;

namespace {

struct Position {
    int page;
    double left;
    double top;
};

std::vector<Position> bandPositions(const Report& report) {
    std::vector<Position> positions;
    for (size_t p = 0; p < report.pages.size(); ++p)
        for (const PlacedBand& band : report.pages[p].bands)
            positions.push_back({int(p) + 1, band.box.left.value(), band.box.top.value()});
    return positions;
}

Layout partnerSheet() {
    return LayoutWindow::create("TForm33")->layout();
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT
private slots:
    void labelSheets_data();
    void labelSheets();
    void recordsFillColumnsInOrder();
    void noRecordsPrintsOneEmptyLabel();
    void unboundLayoutPrintsOnce();
    void bandTallerThanThePage_data();
    void bandTallerThanThePage();
    void degenerateSettingsStayFinite_data();
    void degenerateSettingsStayFinite();
    void positioningPictureNeverPrints();
    void tickClearedOnTheNextPrint();
};

void PagesTest::labelSheets_data() {
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("columns");
    QTest::addColumn<double>("rowHeight");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<double>("columnWidth");

    QTest::newRow("design settings: 18 on a page") << false << 2 << 32.0 << 18 << 1 << 18 << 105.0;
    QTest::newRow("design settings: the 19th on a new page") << false << 2 << 32.0 << 19 << 2 << 18 << 105.0;
    QTest::newRow("3 columns of 37 mm: 8 rows of three") << false << 3 << 37.0 << 24 << 1 << 24 << 70.0;
    QTest::newRow("3 columns of 37 mm: 25 need two pages") << false << 3 << 37.0 << 25 << 2 << 24 << 70.0;
    QTest::newRow("landscape: 6 rows of two") << true << 2 << 32.0 << 13 << 2 << 12 << 148.5;
    QTest::newRow("one column, rows that fill the page") << false << 1 << 29.7 << 10 << 1 << 10 << 210.0;
    QTest::newRow("10,000 partners on 556 pages") << false << 2 << 32.0 << 10000 << 556 << 18 << 105.0;
}

void PagesTest::labelSheets() {
    QFETCH(bool, landscape);
    QFETCH(int, columns);
    QFETCH(double, rowHeight);
    QFETCH(int, records);
    QFETCH(int, pages);
    QFETCH(int, perPage);
    QFETCH(double, columnWidth);

    Layout layout = partnerSheet();
    layout.setPaperA4(landscape ? Orientation::Landscape : Orientation::Portrait);
    layout.setColumns(columns);
    layout.setBandHeight("QRBand1", Mm(rowHeight));
    const MemoryRecords source = MemoryRecords::partners(records);
    const Report report = prepare(layout, &source);

    QCOMPARE(int(report.pages.size()), pages);
    QCOMPARE(int(report.pages.front().bands.size()), std::min(records, perPage));
    QCOMPARE(int(report.pages.back().bands.size()), records - perPage * (pages - 1));
    const int rows = perPage / columns;
    const PlacedBand& first = report.pages.front().bands.front();
    QCOMPARE(first.box.width, Mm(columnWidth));
    QCOMPARE(first.box.height, Mm(rowHeight));
    // Column by column: the label after a full column starts the next column at the top.
    if (records > rows) {
        const PlacedBand& next = report.pages.front().bands[size_t(rows)];
        QCOMPARE(next.box.left, Mm(columnWidth));
        QCOMPARE(next.box.top, Mm(0));
        const PlacedBand& last = report.pages.front().bands[size_t(rows - 1)];
        QCOMPARE(last.box.top, Mm(rowHeight * (rows - 1)));
        QVERIFY(last.box.bottom() <= report.pageLength);
    }
    // Each label prints its record: the name line of the first label on the last page.
    const int firstOnLastPage = perPage * (pages - 1) + 1;
    QCOMPARE(report.pages.back().bands.front().elements.front().lines.at(0).text,
             QStringLiteral("Név %1").arg(firstOnLastPage));
}

void PagesTest::recordsFillColumnsInOrder() {
    // Three records in two columns all go into the first column, top to bottom.
    const MemoryRecords source = MemoryRecords::partners(3);
    const Report report = prepare(partnerSheet(), &source);
    const auto positions = bandPositions(report);
    QCOMPARE(positions.size(), size_t(3));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(positions[size_t(i)].page, 1);
        QCOMPARE(positions[size_t(i)].left, 0.0);
        QCOMPARE(Mm(positions[size_t(i)].top), Mm(32.0 * i));
        const PlacedBand& band = report.pages[0].bands[size_t(i)];
        QVERIFY(band.opaque);
        QCOMPARE(band.elements.size(), size_t(4));
        QStringList texts;
        for (const PlacedElement& e : band.elements)
            texts.append(e.lines.at(0).text);
        QCOMPARE(texts, (QStringList{QStringLiteral("Név %1").arg(i + 1), "Győr",
                                     QStringLiteral("Fő utca %1.").arg(i + 1), QString::number(1001 + i)}));
        // Elements keep their place in the label: 4.2 mm in from its left edge.
        QCOMPARE(band.elements[1].box.left, Mm(4.2));
        QCOMPARE(band.elements[1].box.top, Mm(32.0 * i + 12.4));
    }
}

void PagesTest::noRecordsPrintsOneEmptyLabel() {
    const MemoryRecords none = MemoryRecords::partners(0);
    for (const bool withSource : {false, true}) {
        const Report report = withSource ? prepare(partnerSheet(), &none) : prepare(partnerSheet());
        QCOMPARE(report.pages.size(), size_t(1));
        QCOMPARE(report.pages[0].bands.size(), size_t(1));
        for (const PlacedElement& e : report.pages[0].bands[0].elements) {
            QCOMPARE(e.box.width, Mm(0));
            QVERIFY(e.lines.size() <= 1);
            QVERIFY(e.lines.empty() || e.lines[0].text.isEmpty());
        }
    }
}

void PagesTest::unboundLayoutPrintsOnce() {
    // Records given to an unbound layout change nothing: its band prints once.
    const MemoryRecords source = MemoryRecords::partners(5);
    const Report report = prepare(LayoutWindow::create("TForm7")->layout(), &source);
    QCOMPARE(report.pages.size(), size_t(1));
    QCOMPARE(report.pages[0].bands.size(), size_t(1));
}

void PagesTest::bandTallerThanThePage_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<double>("bandHeight");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("pages");
    QTest::newRow("B6 envelope, 161.9 mm band on a 125 mm page") << "TForm19" << 161.9 << 0 << 1;
    QTest::newRow("unbound, band three pages tall") << "TForm7" << 400.0 << 0 << 1;
    QTest::newRow("label sheet, each tall label in a column of its own") << "TForm33" << 400.0 << 3 << 2;
}

void PagesTest::bandTallerThanThePage() {
    QFETCH(QString, window);
    QFETCH(double, bandHeight);
    QFETCH(int, records);
    QFETCH(int, pages);
    Layout layout = LayoutWindow::create(window)->layout();
    layout.setBandHeight(layout.bands().front().name, Mm(bandHeight));
    const MemoryRecords source = MemoryRecords::partners(records);
    const Report report = prepare(layout, &source);
    QCOMPARE(int(report.pages.size()), pages);
    const PlacedBand& first = report.pages.front().bands.front();
    QCOMPARE(first.box.top, layout.page().topMargin);
    QCOMPARE(first.box.height, Mm(bandHeight)); // cut at the page's edge when drawn, not shortened
    if (records == 3) {
        QCOMPARE(report.pages[0].bands.size(), size_t(2));
        QCOMPARE(report.pages[0].bands[1].box.left, Mm(105.0));
        QCOMPARE(report.pages[0].bands[1].box.top, Mm(0));
    }
}

void PagesTest::degenerateSettingsStayFinite_data() {
    QTest::addColumn<double>("rowHeight");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::addColumn<int>("pages");
    QTest::addColumn<double>("secondTop"); // top of the second label, or -1 when it is on page 2

    // A row height of 0 or less takes the height the label's lines need (the last line's bottom).
    QTest::newRow("row height 0") << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 1 << 29.1;
    QTest::newRow("negative row height") << -32.0 << 0.0 << 0.0 << 0.0 << 0.0 << 1 << 29.1;
    // Margins that leave no room: one label per page, at the top-left margin corner.
    QTest::newRow("top and bottom margins meet") << 32.0 << 150.0 << 150.0 << 0.0 << 0.0 << 5 << -1.0;
    QTest::newRow("left and right margins meet") << 32.0 << 0.0 << 0.0 << 110.0 << 110.0 << 5 << -1.0;
    QTest::newRow("a label taller than the room") << 32.0 << 140.0 << 140.0 << 0.0 << 0.0 << 3 << -1.0;
}

void PagesTest::degenerateSettingsStayFinite() {
    QFETCH(double, rowHeight);
    QFETCH(double, top);
    QFETCH(double, bottom);
    QFETCH(double, left);
    QFETCH(double, right);
    QFETCH(int, pages);
    QFETCH(double, secondTop);
    Layout layout = partnerSheet();
    layout.setBandHeight("QRBand1", Mm(rowHeight));
    layout.setMargin(Side::Top, Mm(top));
    layout.setMargin(Side::Bottom, Mm(bottom));
    layout.setMargin(Side::Left, Mm(left));
    layout.setMargin(Side::Right, Mm(right));
    const MemoryRecords source = MemoryRecords::partners(5);
    const Report report = prepare(layout, &source);
    QCOMPARE(int(report.pages.size()), pages);
    int bands = 0;
    for (const Page& page : report.pages)
        bands += int(page.bands.size());
    QCOMPARE(bands, 5);
    const PlacedBand& first = report.pages[0].bands[0];
    QCOMPARE(first.box.left, Mm(left));
    QCOMPARE(first.box.top, Mm(top));
    if (secondTop >= 0)
        QCOMPARE(report.pages[0].bands[1].box.top, Mm(top + secondTop));
    else if (report.pages.size() > 1)
        QCOMPARE(report.pages[1].bands[0].box.top, Mm(top));
}

void PagesTest::positioningPictureNeverPrints() {
    const Layout layout = kartella::testing::bandLayout(R"(
        {"name": "Image1", "kind": "positioning-picture", "box": [0, 0, 200, 200], "image": "scan.png"},
        {"name": "QRImage1", "kind": "picture", "box": [10, 10, 30, 20], "image": "logo.png"},
        {"name": "QRLabel1", "kind": "label", "box": [10, 40, 30, 5], "text": "x"})");
    QVERIFY(layout.hasElement("Image1"));
    const Report report = prepare(layout);
    QStringList names;
    for (const PlacedElement& e : report.pages.at(0).bands.at(0).elements)
        names.append(e.name);
    QCOMPARE(names, (QStringList{"QRImage1", "QRLabel1"}));
}

void PagesTest::tickClearedOnTheNextPrint() {
    LayoutWindow window(kartella::testing::bandLayout(R"(
        {"name": "QRPCheckBox1", "kind": "check-box", "box": [10, 10, 4, 4]},
        {"name": "QRLabel1", "kind": "label", "box": [10, 20, 50, 5], "text": "tervezett"})"));
    auto ticked = [&] { return window.prepare().pages.at(0).bands.at(0).elements.at(0).ticked; };
    auto caption = [&] { return window.prepare().pages.at(0).bands.at(0).elements.at(1).lines.at(0).text; };
    QCOMPARE(ticked(), false);
    window.setTicked("QRPCheckBox1", true);
    QCOMPARE(ticked(), true);
    QCOMPARE(ticked(), true); // stays until written again
    window.setTicked("QRPCheckBox1", false);
    QCOMPARE(ticked(), false);
    // A label not filled prints its design caption; a filled one keeps its text for later prints.
    QCOMPARE(caption(), QStringLiteral("tervezett"));
    window.setText("QRLabel1", "új szöveg");
    QCOMPARE(caption(), QStringLiteral("új szöveg"));
    QCOMPARE(caption(), QStringLiteral("új szöveg"));
}

QTEST_MAIN(PagesTest)
#include "tst_pages.moc"
