#include "printing/preview_window.h"

#include "printing/render.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace kartella::printing {

namespace {
const QString kPdfFilter = QStringLiteral("PDF-fájl (*.pdf)");
const QString kPngFilter = QStringLiteral("PNG-képek oldalanként (*.png)");
} // namespace

PreviewWindow::PreviewWindow(const Report& report, QWidget* parent)
    : QWidget(parent, Qt::Window), m_report(report), m_printer(QPrinter::HighResolution) {
    setObjectName(kObjectName);
    setWindowTitle(QStringLiteral("Nyomtatási kép"));
    configurePrinter(m_printer, m_report);

    // Two rows, so that every button shows in the 500 pixel wide window: printing, saving and
    // closing above, zoom and paging below.
    auto* commands = new QToolBar(this);
    auto* viewing = new QToolBar(this);
    QToolBar* toolbar = commands;
    for (QToolBar* bar : {commands, viewing}) {
        bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
        bar->setMovable(false);
    }
    auto add = [&](const char* name, const QString& text, const QString& tip, std::function<void()> run) {
        toolbar->addAction(addAction(QString::fromLatin1(name), text, tip, std::move(run)));
    };
    add("printAction", QStringLiteral("Nyomtatás"), QStringLiteral("Minden oldal nyomtatása, egy példányban"),
        [this] { printPages(); });
    add("printerSetupAction", QStringLiteral("Nyomtató"), QStringLiteral("Nyomtató beállítása"),
        [this] { printerSetup(); });
    add("saveAction", QStringLiteral("Mentés"), QStringLiteral("Az oldalak mentése PDF- vagy PNG-fájlba"),
        [this] { save(); });
    toolbar->addSeparator();
    add("closeAction", QStringLiteral("Bezárás"), QStringLiteral("Az előnézet bezárása"),
        [this] { close(); });
    toolbar = viewing;
    add("zoomFitAction", QStringLiteral("Egész oldal"), QStringLiteral("Az egész oldal látszik"),
        [this] { zoomFit(); });
    add("zoom100Action", QStringLiteral("100 %"), QStringLiteral("Valódi méret"), [this] { zoom100(); });
    add("zoomWidthAction", QStringLiteral("Oldalszélesség"), QStringLiteral("Az oldal kitölti a szélességet"),
        [this] { zoomPageWidth(); });
    toolbar->addSeparator();
    add("firstPageAction", QStringLiteral("|◀"), QStringLiteral("Első oldal"), [this] { goToPage(1); });
    add("previousPageAction", QStringLiteral("◀"), QStringLiteral("Előző oldal"),
        [this] { goToPage(currentPage() - 1); });
    m_pageLabel = new QLabel(toolbar);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_pageLabel->setContentsMargins(6, 0, 6, 0);
    toolbar->addWidget(m_pageLabel);
    add("nextPageAction", QStringLiteral("▶"), QStringLiteral("Következő oldal"),
        [this] { goToPage(currentPage() + 1); });
    add("lastPageAction", QStringLiteral("▶|"), QStringLiteral("Utolsó oldal"),
        [this] { goToPage(pageCount()); });

    m_view = new QPrintPreviewWidget(&m_printer, this);
    m_view->setObjectName(QStringLiteral("previewWidget"));
    m_view->setViewMode(QPrintPreviewWidget::SinglePageView);
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &PreviewWindow::paintPages);
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, &PreviewWindow::updatePageLabel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(commands);
    layout->addWidget(viewing);
    layout->addWidget(m_view, 1);

    switch (m_report.zoom) {
    case PreviewZoom::Percent100:
        zoom100();
        break;
    case PreviewZoom::Fit:
        zoomFit();
        break;
    case PreviewZoom::PageWidth:
        zoomPageWidth();
        break;
    }
    // The preview opens in normal state at the top-left corner of the screen, 500 x 500 pixels.
    setGeometry(0, 0, 500, 500);
    move(0, 0);
    m_view->updatePreview();
    updatePageLabel();
}

PreviewWindow::~PreviewWindow() = default;

QAction* PreviewWindow::addAction(const QString& objectName, const QString& text, const QString& toolTip,
                                  std::function<void()> run) {
    auto* action = new QAction(text, this);
    action->setObjectName(objectName);
    action->setToolTip(toolTip);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    m_actions.append(action);
    return action;
}

QAction* PreviewWindow::action(const QString& objectName) const {
    for (QAction* a : m_actions)
        if (a->objectName() == objectName)
            return a;
    return nullptr;
}

int PreviewWindow::pageCount() const {
    return m_view->pageCount();
}

int PreviewWindow::currentPage() const {
    return m_view->currentPage();
}

void PreviewWindow::paintPages(QPrinter* printer) {
    print(m_report, *printer);
}

void PreviewWindow::updatePageLabel() {
    m_pageLabel->setText(QStringLiteral("%1 / %2").arg(currentPage()).arg(pageCount()));
}

void PreviewWindow::printPages() {
    QPrintDialog dialog(&m_printer, this);
    dialog.setObjectName(kPrintDialogName);
    dialog.setWindowTitle(QStringLiteral("Nyomtatás"));
    // All pages, one copy: the choices that would print anything else are not offered.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    dialogs().showModal(dialog);
    if (dialog.result() != QDialog::Accepted)
        return;
    configurePrinter(m_printer, m_report);
    print(m_report, m_printer);
}

void PreviewWindow::printerSetup() {
    QPrintDialog dialog(&m_printer, this);
    dialog.setObjectName(kPrinterSetupDialogName);
    dialog.setWindowTitle(QStringLiteral("Nyomtató beállítása"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialogs().showModal(dialog);
    // Whatever was chosen, the pages keep the layout's size, orientation and zero margins.
    configurePrinter(m_printer, m_report);
    m_view->updatePreview();
}

void PreviewWindow::save() {
    QFileDialog dialog(this, QStringLiteral("Mentés másként"));
    dialog.setObjectName(kSaveDialogName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setNameFilters({kPdfFilter, kPngFilter});
    dialog.selectNameFilter(kPdfFilter);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter == kPngFilter ? QStringLiteral("png") : QStringLiteral("pdf"));
    });
    dialog.selectFile(m_report.window + QStringLiteral(".pdf"));
    dialogs().showModal(dialog);
    if (dialog.result() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    const bool png = dialog.selectedNameFilter() == kPngFilter || path.endsWith(".png", Qt::CaseInsensitive);
    const bool saved = png ? savePng(path) : savePdf(path);
    if (!saved)
        dialogs().information(QStringLiteral("A fájl nem írható: %1").arg(path));
}

bool PreviewWindow::savePdf(const QString& path) {
    return writePdf(m_report, path);
}

bool PreviewWindow::savePng(const QString& path, int dotsPerInch) {
    return writePng(m_report, path, dotsPerInch);
}

void PreviewWindow::zoomFit() {
    m_view->fitInView();
}

void PreviewWindow::zoom100() {
    m_view->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_view->setZoomFactor(1.0);
}

void PreviewWindow::zoomPageWidth() {
    m_view->fitToWidth();
}

void PreviewWindow::goToPage(int page) {
    m_view->setCurrentPage(std::clamp(page, 1, std::max(1, pageCount())));
    updatePageLabel();
}

} // namespace kartella::printing
