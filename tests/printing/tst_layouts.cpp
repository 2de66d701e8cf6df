// The compiled-in layouts: page set-up and every element's place, font and drawing order, the
// registry of layout windows and the operations entry windows use on them.

#include "printing/layout_window.h"
#include "printing/prepare.h"

#include <QtTest>

using namespace kartella::printing;

namespace {

struct Envelope {
    const char* window;
    double width, length, band;
    double addresseeLeft;
    double tops[4];
    const char* stamp;
    double stampBox[4];
    bool stampLast;
};

const Envelope kEnvelopes[] = {
    {"TForm7",
     162.0,
     114.0,
     114.0,
     82.5,
     {61.4, 71.4, 77.5, 83.6},
     "QRPShape1",
     {131.2, 8.5, 21.4, 23.5},
     false},
    {"TForm14",
     220.0,
     110.0,
     110.1,
     127.0,
     {59.3, 66.9, 73.0, 79.1},
     "QRPShape1",
     {188.4, 8.5, 21.4, 23.5},
     false},
    {"TForm16",
     229.0,
     114.0,
     110.1,
     127.0,
     {59.3, 66.9, 73.0, 79.1},
     "QRPShape1",
     {199.0, 8.5, 21.4, 23.5},
     false},
    {"TForm17",
     229.0,
     162.0,
     161.9,
     127.0,
     {105.8, 113.5, 119.6, 125.7},
     "QRPShape1",
     {199.0, 8.5, 21.4, 23.5},
     false},
    {"TForm18",
     324.0,
     229.0,
     229.0,
     180.0,
     {149.6, 157.3, 163.4, 169.5},
     "QRPShape1",
     {294.0, 8.5, 21.4, 23.5},
     false},
    {"TForm19",
     176.0,
     125.0,
     161.9,
     94.2,
     {72.0, 79.6, 85.7, 91.8},
     "QRShape1",
     {148.2, 8.5, 19.3, 26.7},
     true},
    {"TForm20",
     250.0,
     176.0,
     161.9,
     139.7,
     {105.8, 113.5, 119.6, 125.7},
     "QRPShape1",
     {220.1, 8.5, 21.4, 23.5},
     false},
};

const PlacedElement& placed(const Report& report, const QString& name) {
    for (const PlacedBand& band : report.pages.at(0).bands)
        for (const PlacedElement& e : band.elements)
            if (e.name == name)
                return e;
    qFatal("element %s not prepared", qPrintable(name));
}

} // namespace

class LayoutsTest : public QObject {
    Q_OBJECT
private slots:
    void registryKnowsTheLayouts();
    void unknownNamesAreRefused();
    void envelopeElements_data();
    void envelopeElements();
    void envelopePages_data();
    void envelopePages();
    void labelSheets_data();
    void labelSheets();
    void everyElementLiesInsideThePage();
    void pageOperations();
    void malformedLayoutsAreRefused_data();
    void malformedLayoutsAreRefused();
};

void LayoutsTest::registryKnowsTheLayouts() {
    const QStringList names = layoutWindowNames();
    for (const char* name :
         {"TForm7", "TForm14", "TForm16", "TForm17", "TForm18", "TForm19", "TForm20", "TForm29", "TForm33"}) {
        QVERIFY2(names.contains(name), name);
        const auto window = LayoutWindow::create(name);
        QCOMPARE(window->objectName(), QString(name));
        QCOMPARE(window->layout().windowName(), QString(name));
        QCOMPARE(window->layout().reportName(), QStringLiteral("QRPQuickrep1"));
        QCOMPARE(window->layout().previewZoom(), PreviewZoom::Percent100);
    }
    QVERIFY(names.indexOf("TForm7") < names.indexOf("TForm14")); // by window number
}

void LayoutsTest::unknownNamesAreRefused() {
    QVERIFY_THROWS_EXCEPTION(LayoutError, LayoutWindow::create("TForm99"));
    auto window = LayoutWindow::create("TForm7");
    QVERIFY_THROWS_EXCEPTION(LayoutError, window->setText("QRLabel99", "x"));
    QVERIFY_THROWS_EXCEPTION(LayoutError, window->setText("QRPShape1", "x"));   // not a label
    QVERIFY_THROWS_EXCEPTION(LayoutError, window->setTicked("QRLabel1", true)); // not a check box
    QVERIFY_THROWS_EXCEPTION(LayoutError, window->setBandHeight("QRBand9", 10));
}

void LayoutsTest::envelopeElements_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("element");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("underline");
    const char* names[] = {"QRLabel1", "QRLabel2", "QRLabel3", "QRLabel4",
                           "QRLabel5", "QRLabel6", "QRLabel7", "QRLabel8"};
    const double senderTops[] = {8.5, 18.5, 24.6, 30.7};
    const double heights[] = {6.3, 4.5, 4.5, 4.5, 6.1, 4.5, 4.5, 4.5};
    for (const Envelope& env : kEnvelopes)
        for (int i = 0; i < 8; ++i) {
            const bool sender = i < 4;
            QTest::addRow("%s %s", env.window, names[i])
                << env.window << names[i] << (sender ? 8.5 : env.addresseeLeft)
                << (sender ? senderTops[i] : env.tops[i - 4]) << heights[i] << (i % 4 == 0 ? 14.0 : 10.0)
                << (i % 4 == 1);
        }
}

void LayoutsTest::envelopeElements() {
    QFETCH(QString, window);
    QFETCH(QString, element);
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(double, height);
    QFETCH(double, size);
    QFETCH(bool, underline);
    auto w = LayoutWindow::create(window);
    w->setText(element, QStringLiteral("Őrség Ügyvédi Iroda"));
    const PlacedElement& e = placed(w->prepare(), element);
    QCOMPARE(e.kind, ElementKind::Label);
    QCOMPARE(e.box.left, Mm(left));
    QCOMPARE(e.box.top, Mm(top));
    QCOMPARE(e.box.height, Mm(height));
    QCOMPARE(e.font, (FontSpec{"Arial", size, true, false, underline}));
    QCOMPARE(e.alignment, Alignment::Left);
    QVERIFY(e.opaque);
    // Auto-size: one line, as wide as the text, growing to the right.
    QCOMPARE(e.lines.size(), size_t(1));
    QCOMPARE(e.lines[0].left, Mm(left));
    QCOMPARE(e.box.width, e.lines[0].width);
}

void LayoutsTest::envelopePages_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kEnvelopes)); ++i)
        QTest::newRow(kEnvelopes[i].window) << i;
}

void LayoutsTest::envelopePages() {
    QFETCH(int, index);
    const Envelope& env = kEnvelopes[index];
    const Layout layout = LayoutWindow::create(env.window)->layout();
    const PageSetup& page = layout.page();
    QCOMPARE(page.orientation, Orientation::Landscape);
    QCOMPARE(page.paper, Paper::Custom);
    QCOMPARE(page.width, Mm(env.width));
    QCOMPARE(page.length, Mm(env.length));
    QCOMPARE(page.columns, 1);
    for (Mm margin : {page.topMargin, page.bottomMargin, page.leftMargin, page.rightMargin})
        QCOMPARE(margin, Mm(0));
    QVERIFY(!layout.isBound());
    QCOMPARE(layout.bands().size(), size_t(1));
    const Band& band = layout.bands()[0];
    QCOMPARE(band.name, QStringLiteral("DetailBand1"));
    QCOMPARE(band.height, Mm(env.band));
    QVERIFY(band.transparent);
    QCOMPARE(band.elements.size(), size_t(9));
    // The stamp box is drawn under the labels, except on B6 where it is drawn over them.
    const Element& stamp = env.stampLast ? band.elements.back() : band.elements.front();
    QCOMPARE(stamp.name, QString(env.stamp));
    QCOMPARE(stamp.kind, ElementKind::Shape);
    QCOMPARE(stamp.shape, ShapeKind::Rectangle);
    QCOMPARE(stamp.box,
             (BoxMm{Mm(env.stampBox[0]), Mm(env.stampBox[1]), Mm(env.stampBox[2]), Mm(env.stampBox[3])}));
    const Report report = prepare(layout);
    QCOMPARE(report.pages.size(), size_t(1));
    QCOMPARE(report.orientation, Orientation::Landscape);
}

void LayoutsTest::labelSheets_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("table");
    QTest::newRow("senders") << "TForm29"
                             << "Felado";
    QTest::newRow("partners") << "TForm33"
                              << "Partner";
}

void LayoutsTest::labelSheets() {
    QFETCH(QString, window);
    QFETCH(QString, table);
    const Layout layout = LayoutWindow::create(window)->layout();
    QCOMPARE(layout.table(), table);
    QCOMPARE(layout.page().paper, Paper::A4);
    QCOMPARE(layout.page().orientation, Orientation::Portrait);
    QCOMPARE(layout.page().width, Mm(210));
    QCOMPARE(layout.page().length, Mm(297));
    QCOMPARE(layout.page().columns, 2);
    QCOMPARE(layout.page().columnSpacing, Mm(0));
    const Band& band = layout.bands().at(0);
    QCOMPARE(band.name, QStringLiteral("QRBand1"));
    QCOMPARE(band.height, Mm(32.0));
    QVERIFY(!band.transparent);
    QCOMPARE(layout.boundFields(), (QStringList{"NEV", "TELEP", "CIM", "IRSZ"}));
    const double tops[] = {4.2, 12.4, 18.5, 24.6};
    for (int i = 0; i < 4; ++i) {
        const Element& e = band.elements.at(size_t(i));
        QCOMPARE(e.name, QStringLiteral("QRDBText%1").arg(i + 1));
        QCOMPARE(e.kind, ElementKind::DataLabel);
        QCOMPARE(e.box.left, Mm(4.2));
        QCOMPARE(e.box.top, Mm(tops[i]));
        QCOMPARE(e.box.height, Mm(4.5));
        QCOMPARE(e.font, (FontSpec{"Arial", 10, false, false, i == 1}));
        QVERIFY(e.autoSize);
        QVERIFY(e.opaque);
    }
}

void LayoutsTest::everyElementLiesInsideThePage() {
    for (const QString& name : layoutWindowNames()) {
        const Layout layout = LayoutWindow::create(name)->layout();
        const Mm columnWidth = layout.page().width / double(layout.page().columns);
        for (const Band& band : layout.bands())
            for (const Element& e : band.elements) {
                if (e.kind == ElementKind::PositioningPicture)
                    continue; // never printed
                QVERIFY2(e.box.left >= Mm(0) && e.box.top >= Mm(0), qPrintable(name + ' ' + e.name));
                QVERIFY2(layout.page().leftMargin + e.box.right() <= min(columnWidth, layout.page().width),
                         qPrintable(name + ' ' + e.name));
                QVERIFY2(layout.page().topMargin + e.box.bottom() <= layout.page().length,
                         qPrintable(name + ' ' + e.name));
            }
    }
}

void LayoutsTest::pageOperations() {
    auto sheet = LayoutWindow::create("TForm33");
    sheet->setPaperA4(Orientation::Landscape);
    QCOMPARE(sheet->layout().page().width, Mm(297));
    QCOMPARE(sheet->layout().page().length, Mm(210));
    sheet->setPageWidth(100); // ignored on A4
    QCOMPARE(sheet->layout().page().width, Mm(297));
    sheet->setColumns(3);
    sheet->setColumns(0); // ignored
    sheet->setColumns(-2);
    QCOMPARE(sheet->layout().page().columns, 3);
    sheet->setMargin(Side::Left, 7);
    sheet->setMargin(Side::Bottom, 9);
    QCOMPARE(sheet->layout().page().leftMargin, Mm(7));
    QCOMPARE(sheet->layout().page().bottomMargin, Mm(9));
    sheet->setBandHeight("QRBand1", 37);
    QCOMPARE(sheet->layout().bands()[0].height, Mm(37));
    // Another window of the same layout starts from the design values.
    QCOMPARE(LayoutWindow::create("TForm33")->layout().page().columns, 2);

    auto envelope = LayoutWindow::create("TForm17");
    envelope->setPageWidth(229.0);
    envelope->setPageLength(162.0);
    QCOMPARE(envelope->layout().page().width, Mm(229));
    envelope->setPageLength(150.0);
    QCOMPARE(envelope->prepare().pageLength, Mm(150));
}

void LayoutsTest::malformedLayoutsAreRefused_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("not JSON") << QByteArray("{");
    QTest::newRow("no bands") << QByteArray(R"({"window": "T", "bands": []})");
    QTest::newRow("misspelt key") << QByteArray(
        R"({"window": "T", "bands": [{"name": "B", "height": 10, "elements": [
            {"name": "L", "kind": "label", "box": [0, 0, 1, 1], "autosize": true}]}]})");
    QTest::newRow("unknown kind") << QByteArray(
        R"({"window": "T", "bands": [{"name": "B", "height": 10, "elements": [
            {"name": "L", "kind": "barcode", "box": [0, 0, 1, 1]}]}]})");
    QTest::newRow("box of three") << QByteArray(
        R"({"window": "T", "bands": [{"name": "B", "height": 10, "elements": [
            {"name": "L", "kind": "label", "box": [0, 0, 1]}]}]})");
    QTest::newRow("duplicate name") << QByteArray(
        R"({"window": "T", "bands": [{"name": "B", "height": 10, "elements": [
            {"name": "L", "kind": "label", "box": [0, 0, 1, 1]}, {"name": "L", "kind": "shape", "box": [0, 0, 1, 1]}]}]})");
    QTest::newRow("data label without field") << QByteArray(
        R"({"window": "T", "bands": [{"name": "B", "height": 10, "elements": [
            {"name": "L", "kind": "data-label", "box": [0, 0, 1, 1]}]}]})");
    QTest::newRow("custom page without size") << QByteArray(
        R"({"window": "T", "page": {"paper": "custom"}, "bands": [{"name": "B", "height": 10}]})");
}

void LayoutsTest::malformedLayoutsAreRefused() {
    QFETCH(QByteArray, json);
    QVERIFY_THROWS_EXCEPTION(LayoutError, Layout::fromJson(json));
}

QTEST_MAIN(LayoutsTest)
#include "tst_layouts.moc"
