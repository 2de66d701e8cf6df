#pragma once
// A layout window: the never-shown owner of one print layout for the whole run, named as the
// window it stands for ("TForm7"). Entry windows write their values into it, then prepare and
// preview; everything written stays until written again.

#include "printing/layout.h"
#include "printing/prepare.h"

#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

namespace kartella::data {
class RecordSource;
}

namespace kartella::printing {

class LayoutWindow : public QObject {
    Q_OBJECT
public:
    explicit LayoutWindow(Layout layout, QObject* parent = nullptr);

    // The layout window of that name, with its layout's design values; throws LayoutError for a
    // name that no compiled-in layout has.
    static std::unique_ptr<LayoutWindow> create(const QString& windowName, QObject* parent = nullptr);

    Layout& layout() { return m_layout; }
    const Layout& layout() const { return m_layout; }

    void setText(const QString& label, const QString& text) { m_layout.setText(label, text); }
    void setTicked(const QString& checkBox, bool ticked) { m_layout.setTicked(checkBox, ticked); }
    void setPageWidth(double mm) { m_layout.setPageWidth(Mm(mm)); }
    void setPageLength(double mm) { m_layout.setPageLength(Mm(mm)); }
    void setPaperA4(Orientation orientation) { m_layout.setPaperA4(orientation); }
    void setOrientation(Orientation orientation) { m_layout.setOrientation(orientation); }
    void setColumns(int columns) { m_layout.setColumns(columns); }
    void setMargin(Side side, double mm) { m_layout.setMargin(side, Mm(mm)); }
    void setBandHeight(const QString& band, double mm) { m_layout.setBandHeight(band, Mm(mm)); }

    // The records a bound layout prints (the table, under its current order and filter); not owned.
    void setRecordSource(const data::RecordSource* records) { m_records = records; }

    // Lays out the pages from the current state; they are kept until the next prepare.
    const Report& prepare();
    const Report* prepared() const { return m_report ? &*m_report : nullptr; }

    // Prepares and shows the pages in the preview window (objectName "PreviewWindow") through the
    // Dialogs seam; returns when the preview has been closed.
    void preview();        // modal
    void previewAndWait(); // an ordinary window; the rest of the interface stays usable

private:
    void show(bool modal);

    Layout m_layout;
    const data::RecordSource* m_records = nullptr;
    std::optional<Report> m_report;
};

// The names of the compiled-in layouts, in window-number order ("TForm7", "TForm14", ...).
QStringList layoutWindowNames();
// The resource path of a layout, empty when there is none of that name.
QString layoutResource(const QString& windowName);

} // namespace kartella::printing
