// The preview window, driven through the scripted Dialogs seam: where and how it opens, paging,
// zoom, saving the pages, and the printer it prints on.

#include "layout_fixture.h"
#include "printing/layout_window.h"
#include "printing/preview_window.h"
#include "printing/render.h"
#include "record_fixture.h"
#include "ui/scripted_dialogs.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace kartella::printing;

class PreviewTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void modalPreviewOpensAtTopLeft();
    void waitingPreviewIsAnOrdinaryWindow();
    void opensInTheLayoutsZoom_data();
    void opensInTheLayoutsZoom();
    void zoomAndPaging();
    void savesThePages_data();
    void savesThePages();
    void cancelledSaveWritesNothing();
    void printerGetsTheLayoutsPage();
    void printsEveryPageOnce();

private:
    std::unique_ptr<kartella::ScriptedDialogs> m_dialogs;
};

void PreviewTest::init() {
    m_dialogs = std::make_unique<kartella::ScriptedDialogs>();
    kartella::setDialogs(m_dialogs.get());
}

void PreviewTest::cleanup() {
    kartella::setDialogs(nullptr);
    m_dialogs.reset();
}

void PreviewTest::modalPreviewOpensAtTopLeft() {
    auto window = LayoutWindow::create("TForm33");
    const auto records = kartella::testing::MemoryRecords::partners(20);
    window->setRecordSource(&records);
    bool ran = false;
    m_dialogs->onShow(PreviewWindow::kObjectName, [&](QWidget& w) {
        auto& preview = dynamic_cast<PreviewWindow&>(w);
        QCOMPARE(preview.pos(), QPoint(0, 0)); // the frame's corner
        QCOMPARE(preview.size(), QSize(500, 500));
        QCOMPARE(preview.windowModality(), Qt::ApplicationModal);
        QCOMPARE(preview.pageCount(), 2);
        QCOMPARE(preview.currentPage(), 1);
        QCOMPARE(preview.findChild<QLabel*>("pageLabel")->text(), QStringLiteral("1 / 2"));
        QCOMPARE(preview.report().pages.size(), size_t(2));
        for (const char* name : {"printAction", "printerSetupAction", "saveAction", "zoomFitAction",
                                 "zoom100Action", "zoomWidthAction", "firstPageAction", "previousPageAction",
                                 "nextPageAction", "lastPageAction", "closeAction"}) {
            QAction* action = preview.action(name);
            QVERIFY2(action && !action->toolTip().isEmpty(), name);
        }
        QCOMPARE(preview.action("printAction")->text(), QStringLiteral("Nyomtatás"));
        QCOMPARE(preview.action("closeAction")->text(), QStringLiteral("Bezárás"));
        preview.action("closeAction")->trigger();
        QVERIFY(!preview.isVisible());
        ran = true;
    });
    window->preview();
    QVERIFY(ran);
    QCOMPARE(m_dialogs->shownWindows, QStringList{PreviewWindow::kObjectName});
    QCOMPARE(window->prepared()->pages.size(), size_t(2));
}

void PreviewTest::waitingPreviewIsAnOrdinaryWindow() {
    auto window = LayoutWindow::create("TForm7");
    Qt::WindowModality modality = Qt::ApplicationModal;
    m_dialogs->onShow(PreviewWindow::kObjectName, [&](QWidget& w) { modality = w.windowModality(); });
    window->previewAndWait();
    QCOMPARE(modality, Qt::NonModal);
    QCOMPARE(m_dialogs->shownWindows, QStringList{PreviewWindow::kObjectName});
}

void PreviewTest::opensInTheLayoutsZoom_data() {
    QTest::addColumn<QString>("zoom");
    QTest::addColumn<int>("mode");
    QTest::newRow("100 %") << "100" << int(QPrintPreviewWidget::CustomZoom);
    QTest::newRow("fit") << "fit" << int(QPrintPreviewWidget::FitInView);
    QTest::newRow("page width") << "width" << int(QPrintPreviewWidget::FitToWidth);
}

void PreviewTest::opensInTheLayoutsZoom() {
    QFETCH(QString, zoom);
    QFETCH(int, mode);
    const QString json = QStringLiteral(R"({"window": "TFormZoom", "zoom": "%1",
        "bands": [{"name": "DetailBand1", "height": 290}]})")
                             .arg(zoom);
    PreviewWindow preview(prepare(Layout::fromJson(json.toUtf8())));
    QCOMPARE(int(preview.view()->zoomMode()), mode);
    if (mode == QPrintPreviewWidget::CustomZoom)
        QCOMPARE(preview.view()->zoomFactor(), 1.0);
}

void PreviewTest::zoomAndPaging() {
    Layout layout = LayoutWindow::create("TForm29")->layout();
    const auto records = kartella::testing::MemoryRecords::partners(40); // three pages
    PreviewWindow preview(prepare(layout, &records));
    preview.show();
    QCOMPARE(preview.pageCount(), 3);
    preview.action("nextPageAction")->trigger();
    QCOMPARE(preview.currentPage(), 2);
    preview.action("lastPageAction")->trigger();
    QCOMPARE(preview.currentPage(), 3);
    preview.action("nextPageAction")->trigger(); // stays on the last page
    QCOMPARE(preview.currentPage(), 3);
    QCOMPARE(preview.findChild<QLabel*>("pageLabel")->text(), QStringLiteral("3 / 3"));
    preview.action("firstPageAction")->trigger();
    preview.action("previousPageAction")->trigger();
    QCOMPARE(preview.currentPage(), 1);

    preview.action("zoomFitAction")->trigger();
    QCOMPARE(preview.view()->zoomMode(), QPrintPreviewWidget::FitInView);
    preview.action("zoomWidthAction")->trigger();
    QCOMPARE(preview.view()->zoomMode(), QPrintPreviewWidget::FitToWidth);
    preview.action("zoom100Action")->trigger();
    QCOMPARE(preview.view()->zoomMode(), QPrintPreviewWidget::CustomZoom);
    QCOMPARE(preview.view()->zoomFactor(), 1.0);
}

void PreviewTest::savesThePages_data() {
    QTest::addColumn<bool>("png");
    QTest::newRow("PDF") << false;
    QTest::newRow("PNG") << true;
}

void PreviewTest::savesThePages() {
    QFETCH(bool, png);
    QTemporaryDir dir;
    const QString path = dir.filePath(png ? "lap.png" : "lap.pdf");
    auto window = LayoutWindow::create("TForm7");
    window->setText("QRLabel1", "Ünnepi Kft.");
    m_dialogs->onShow(PreviewWindow::kObjectName,
                      [&](QWidget& w) { dynamic_cast<PreviewWindow&>(w).action("saveAction")->trigger(); });
    m_dialogs->onShow(PreviewWindow::kSaveDialogName, [&](QWidget& w) {
        auto& dialog = dynamic_cast<QFileDialog&>(w);
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(dialog.nameFilters().at(0).contains("*.pdf")); // PDF offered first
        QCOMPARE(dialog.selectedNameFilter(), dialog.nameFilters().at(0));
        if (png)
            dialog.selectNameFilter(dialog.nameFilters().at(1));
        dialog.selectFile(path);
        static_cast<QDialog&>(dialog).accept();
    });
    window->preview();
    QCOMPARE(m_dialogs->shownWindows,
             (QStringList{PreviewWindow::kObjectName, PreviewWindow::kSaveDialogName}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(8).startsWith(png ? "\x89PNG" : "%PDF"));
    QVERIFY(m_dialogs->messages.isEmpty());
}

void PreviewTest::cancelledSaveWritesNothing() {
    QTemporaryDir dir;
    auto window = LayoutWindow::create("TForm7");
    m_dialogs->onShow(PreviewWindow::kObjectName,
                      [&](QWidget& w) { dynamic_cast<PreviewWindow&>(w).action("saveAction")->trigger(); });
    m_dialogs->onShow(PreviewWindow::kSaveDialogName, [&](QWidget& w) {
        auto& dialog = dynamic_cast<QFileDialog&>(w);
        dialog.selectFile(dir.filePath("x.pdf"));
        static_cast<QDialog&>(dialog).reject();
    });
    window->preview();
    QVERIFY(!QFile::exists(dir.filePath("x.pdf")));
}

void PreviewTest::printerGetsTheLayoutsPage() {
    const Report report = LayoutWindow::create("TForm18")->prepare();
    PreviewWindow preview(report);
    QPrinter& printer = preview.printer();
    QVERIFY(printer.fullPage());
    QCOMPARE(printer.copyCount(), 1);
    QCOMPARE(printer.printRange(), QPrinter::AllPages);
    QCOMPARE(printer.paperSource(), QPrinter::Upper);
    const QPageLayout layout = printer.pageLayout();
    QCOMPARE(layout.orientation(), QPageLayout::Landscape);
    QCOMPARE(layout.margins(QPageLayout::Millimeter), QMarginsF(0, 0, 0, 0));
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    QVERIFY(std::abs(paper.width() - 324.0) < 0.01);
    QVERIFY(std::abs(paper.height() - 229.0) < 0.01);
}

void PreviewTest::printsEveryPageOnce() {
    // Printing from the preview: the printer dialog is scripted to print into a PDF file.
    QTemporaryDir dir;
    const QString path = dir.filePath("printed.pdf");
    auto window = LayoutWindow::create("TForm33");
    const auto records = kartella::testing::MemoryRecords::partners(30);
    window->setRecordSource(&records);
    m_dialogs->onShow(PreviewWindow::kObjectName, [&](QWidget& w) {
        auto& preview = dynamic_cast<PreviewWindow&>(w);
        preview.printer().setOutputFormat(QPrinter::PdfFormat);
        preview.printer().setOutputFileName(path);
        preview.action("printAction")->trigger();
    });
    m_dialogs->onShow(PreviewWindow::kPrintDialogName, [&](QWidget& w) {
        auto& dialog = dynamic_cast<QPrintDialog&>(w);
        QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintPageRange));
        dialog.printer()->setOutputFileName(path);
        dialog.done(QDialog::Accepted);
    });
    window->preview();
    QCOMPARE(m_dialogs->shownWindows,
             (QStringList{PreviewWindow::kObjectName, PreviewWindow::kPrintDialogName}));
    QVERIFY(QFile::exists(path));
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
        QSKIP("pdfinfo (poppler-utils) is not installed");
    QProcess info;
    info.start("pdfinfo", {path});
    QVERIFY(info.waitForFinished(30000));
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+2\\n")));
}

QTEST_MAIN(PreviewTest)
#include "tst_preview.moc"
