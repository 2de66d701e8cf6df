#pragma once
// The print preview: the prepared pages on screen, with print, printer set-up, saving as PDF (or
// PNG pages), zoom, page navigation and close. It is shown through the Dialogs seam, modally or as
// an ordinary window that the caller waits for; its own dialogs (printer set-up, save) go through
// the seam too, so tests can script them by their objectNames.

#include "printing/prepare.h"

#include <QPrinter>
#include <QWidget>
#include <functional>

class QAction;
class QLabel;
class QPrintPreviewWidget;

namespace kartella::printing {

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kObjectName = "PreviewWindow";
    static constexpr const char* kPrintDialogName = "PrintDialog";
    static constexpr const char* kPrinterSetupDialogName = "PrinterSetupDialog";
    static constexpr const char* kSaveDialogName = "SaveDialog";

    explicit PreviewWindow(const Report& report, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    const Report& report() const { return m_report; }
    QPrintPreviewWidget* view() const { return m_view; }
    QPrinter& printer() { return m_printer; }
    int pageCount() const;
    int currentPage() const;

    // The toolbar's actions, by objectName: "printAction", "printerSetupAction", "saveAction",
    // "zoomFitAction", "zoom100Action", "zoomWidthAction", "firstPageAction", "previousPageAction",
    // "nextPageAction", "lastPageAction", "closeAction".
    QAction* action(const QString& objectName) const;

public slots:
    void printPages();   // the printer dialog (default printer preselected), then every page
    void printerSetup(); // the printer dialog without printing
    void save();         // the save dialog: PDF first, PNG pages second
    bool savePdf(const QString& path);
    bool savePng(const QString& path, int dotsPerInch = 300);
    void zoomFit();
    void zoom100();
    void zoomPageWidth();
    void goToPage(int page); // 1-based, clamped to the pages there are

private:
    QAction* addAction(const QString& objectName, const QString& text, const QString& toolTip,
                       std::function<void()> run);
    void paintPages(QPrinter* printer);
    void updatePageLabel();

    Report m_report;
    QPrinter m_printer;
    QPrintPreviewWidget* m_view = nullptr;
    QLabel* m_pageLabel = nullptr;
    QList<QAction*> m_actions;
};

} // namespace kartella::printing
