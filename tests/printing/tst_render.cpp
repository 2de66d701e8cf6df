// Drawing: what each kind puts on the page (read back from images), and a PDF written by the engine
// read back with pdftotext -bbox to confirm that text lands at its millimetres.

#include "layout_fixture.h"
#include "printing/layout_window.h"
#include "printing/render.h"
#include "record_fixture.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace kartella::printing;
using kartella::testing::bandLayout;

namespace {

constexpr int kDpi = 254; // ten pixels per millimetre

// Paper of another colour shows where white is filled in.
QImage draw(const Report& report, const QColor& paper = Qt::white) {
    const Page& p = report.pages.at(0);
    QImage image(qRound(p.width.pixels(kDpi)), qRound(p.length.pixels(kDpi)), QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(paper);
    QPainter painter(&image);
    render(p, painter);
    return image;
}

QColor at(const QImage& image, double xMm, double yMm) {
    return image.pixelColor(int(xMm * 10), int(yMm * 10));
}
bool isWhite(const QColor& c) {
    return c.red() > 245 && c.green() > 245 && c.blue() > 245;
}
bool isDark(const QColor& c) {
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}
// A hairline shows on one of the two pixel columns beside its position.
bool hairlineAt(const QImage& image, double xMm, double yMm) {
    return !isWhite(at(image, xMm - 0.1, yMm)) || !isWhite(at(image, xMm, yMm));
}

struct Word {
    double xMin, yMin, xMax, yMax;
    QString text;
};

QList<Word> pdfWords(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-bbox", pdf, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                      m.captured(4).toDouble(), m.captured(5)});
    }
    return words;
}

} // namespace

class RenderTest : public QObject {
    Q_OBJECT
private slots:
    void checkBox_data();
    void checkBox();
    void opaqueLabelHidesWhatLiesUnder();
    void opaqueBandIsWhite();
    void pictureStretchedToItsBox();
    void pdfPutsTextAtItsMillimetres_data();
    void pdfPutsTextAtItsMillimetres();
    void pdfPageHasTheLayoutsSize();
    void pngPages();
};

void RenderTest::checkBox_data() {
    QTest::addColumn<bool>("ticked");
    QTest::newRow("ticked") << true;
    QTest::newRow("unticked") << false;
}

void RenderTest::checkBox() {
    QFETCH(bool, ticked);
    LayoutWindow window(bandLayout(R"({"name": "C", "kind": "check-box", "box": [10, 10, 10, 10]})"));
    window.setTicked("C", ticked);
    const QImage image = draw(window.prepare(), QColor(200, 200, 255));
    // A 1 pt (0.35 mm) frame on all four sides, white inside.
    for (const auto& [x, y] :
         {std::pair{10.1, 15.0}, {19.9, 15.0}, {15.0, 10.1}, {15.0, 19.9}, {10.25, 12.0}})
        QVERIFY2(isDark(at(image, x, y)), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    QVERIFY(isWhite(at(image, 10.55, 15.0)));
    QVERIFY(isWhite(at(image, 15.0, 10.55)));
    QVERIFY(!isWhite(at(image, 9.5, 15.0))); // nothing outside the box
    // The cross: both diagonals, inset 0.8 mm from each side, so the corners stay white.
    QCOMPARE(isDark(at(image, 15.0, 15.0)), ticked);
    QCOMPARE(isDark(at(image, 12.5, 12.5)), ticked);
    QCOMPARE(isDark(at(image, 17.5, 12.5)), ticked);
    QVERIFY(isWhite(at(image, 10.5, 10.5)));
    QVERIFY(isWhite(at(image, 19.5, 19.5)));
}

void RenderTest::opaqueLabelHidesWhatLiesUnder() {
    // The rectangle's left outline runs at x = 20 mm; an opaque label across it hides that part.
    LayoutWindow window(bandLayout(R"(
        {"name": "S", "kind": "shape", "box": [20, 10, 40, 30]},
        {"name": "L", "kind": "label", "box": [15, 20, 5, 4.5], "autoSize": true, "text": "WWWWWWWW"},
        {"name": "T", "kind": "label", "box": [15, 32, 5, 4.5], "autoSize": true, "opaque": false, "text": "WWWWWWWW"})"));
    const QImage image = draw(window.prepare());
    QVERIFY(hairlineAt(image, 20.0, 12.0));  // the outline
    QVERIFY(isWhite(at(image, 30.0, 12.0))); // the shape's white inside
    QVERIFY(!hairlineAt(image, 20.0, 20.2)); // hidden under the label's white box
    QVERIFY(hairlineAt(image, 20.0, 32.2));  // a transparent label leaves it showing
}

void RenderTest::opaqueBandIsWhite() {
    // The first label's settlement, underlined, runs far into the second column; the label that
    // heads the second column is drawn later on a white band and hides that part of it.
    kartella::testing::MemoryRecords records({"NEV", "TELEP"});
    records.add({"A", QString(60, QChar('W'))});
    for (int i = 2; i <= 10; ++i)
        records.add({QString::number(i), "B"});
    const Report report = prepare(LayoutWindow::create("TForm33")->layout(), &records);
    QImage image = draw(report);
    auto inkInColumn = [&](double xMm) {
        for (double y = 12.4; y < 17.4; y += 0.1)
            if (!isWhite(at(image, xMm, y)))
                return true;
        return false;
    };
    QVERIFY(report.pages[0].bands[0].elements[1].box.right() > Mm(150));
    QVERIFY(inkInColumn(100.0));  // in the first column the long line shows
    QVERIFY(!inkInColumn(140.0)); // under the second column's band it is hidden
}

void RenderTest::pictureStretchedToItsBox() {
    QTemporaryDir dir;
    const QString path = dir.filePath("red.png");
    QImage red(4, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(path));
    const Layout layout = bandLayout(QStringLiteral(R"(
        {"name": "Image1", "kind": "positioning-picture", "box": [0, 0, 200, 200], "image": "%1"},
        {"name": "QRImage1", "kind": "picture", "box": [10, 10, 30, 20], "image": "%1"})")
                                         .arg(path));
    const QImage image = draw(prepare(layout));
    QCOMPARE(at(image, 10.2, 10.2), QColor(Qt::red));
    QCOMPARE(at(image, 39.8, 29.8), QColor(Qt::red));
    QVERIFY(at(image, 45.0, 15.0) != QColor(Qt::red)); // the positioning picture is not drawn
    QVERIFY(at(image, 5.0, 5.0) != QColor(Qt::red));
}

void RenderTest::pdfPutsTextAtItsMillimetres_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::newRow("C6 sender name") << "TForm7"
                                    << "QRLabel1"
                                    << "Árvíztűrő Tükörfúrógép Kft." << 8.5 << 8.5;
    QTest::newRow("C6 addressee settlement") << "TForm7"
                                             << "QRLabel6"
                                             << "Győr-Ménfőcsanak" << 82.5 << 71.4;
    QTest::newRow("C4 addressee name") << "TForm18"
                                       << "QRLabel5"
                                       << "ŐRSÉGI ÜVEGFÚVÓ ÉS ŰRHAJÓ BT." << 180.0 << 149.6;
    QTest::newRow("B5 street") << "TForm20"
                               << "QRLabel7"
                               << "Ady Endre út 12/b." << 139.7 << 119.6;
}

void RenderTest::pdfPutsTextAtItsMillimetres() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QFETCH(QString, window);
    QFETCH(QString, element);
    QFETCH(QString, text);
    QFETCH(double, left);
    QFETCH(double, top);
    auto w = LayoutWindow::create(window);
    w->setText(element, text);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("out.pdf");
    QVERIFY(writePdf(w->prepare(), pdf));
    const QList<Word> words = pdfWords(pdf);
    QStringList found;
    for (const Word& word : words)
        found.append(word.text);
    QCOMPARE(found.join(' '), text); // Hungarian letters intact, nothing else printed
    // The first word starts at the box's left edge and the line's top at the box's top, to 0.2 mm.
    const double mmPerPoint = kMmPerPoint;
    QVERIFY2(std::abs(words.front().xMin * mmPerPoint - left) <= 0.2,
             qPrintable(QString::number(words.front().xMin * mmPerPoint)));
    QVERIFY2(std::abs(words.front().yMin * mmPerPoint - top) <= 0.2,
             qPrintable(QString::number(words.front().yMin * mmPerPoint)));
    // The line ends where the layout measured it.
    const PlacedElement* e = nullptr;
    for (const PlacedElement& p : w->prepared()->pages[0].bands[0].elements)
        if (p.name == element)
            e = &p;
    QVERIFY(e);
    QVERIFY2(std::abs(words.back().xMax * mmPerPoint - e->box.right().value()) <= 0.2,
             qPrintable(QString::number(words.back().xMax * mmPerPoint)));
}

void RenderTest::pdfPageHasTheLayoutsSize() {
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
        QSKIP("pdfinfo (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("c4.pdf");
    QVERIFY(writePdf(LayoutWindow::create("TForm18")->prepare(), pdf));
    QProcess info;
    info.start("pdfinfo", {pdf});
    QVERIFY(info.waitForFinished(30000));
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const auto m = QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)").match(out);
    QVERIFY2(m.hasMatch(), qPrintable(out));
    // A landscape C4 sheet, 324 x 229 mm, to within a point.
    QVERIFY(std::abs(m.captured(1).toDouble() - Mm(324).points()) < 1.0);
    QVERIFY(std::abs(m.captured(2).toDouble() - Mm(229).points()) < 1.0);
    QVERIFY(out.contains(QRegularExpression("Pages:\\s+1\\n")));
}

void RenderTest::pngPages() {
    QTemporaryDir dir;
    Report report = prepare(LayoutWindow::create("TForm33")->layout());
    report.pages.push_back(report.pages.front());
    QVERIFY(writePng(report, dir.filePath("sheet.png"), 50));
    const QStringList files = pngPageFiles(dir.filePath("sheet.png"), 2);
    QCOMPARE(files, (QStringList{dir.filePath("sheet-1.png"), dir.filePath("sheet-2.png")}));
    for (const QString& f : files) {
        const QImage image(f);
        QCOMPARE(image.size(), QSize(qRound(Mm(210).pixels(50)), qRound(Mm(297).pixels(50))));
    }
    QVERIFY(!writePng(report, dir.filePath("no/such/dir/x.png"), 50));
}

QTEST_MAIN(RenderTest)
#include "tst_render.moc"
