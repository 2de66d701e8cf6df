#pragma once
// A print layout as data: page set-up, bands and their elements, placed in millimetres from the
// top-left corner of their band. A layout is loaded from its JSON description (see
// layout_json.cpp for the format) and keeps every value written into it until it is written
// again; prepare() turns its current state into pages.

#include "printing/length.h"

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace kartella::printing {

// A layout refused to load, or was asked for an element it does not have.
class LayoutError : public std::runtime_error {
public:
    explicit LayoutError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

enum class Orientation { Portrait, Landscape };
enum class Paper { A4, Custom };
enum class Side { Top, Bottom, Left, Right };
enum class Alignment { Left, Centre, Right };
enum class PreviewZoom { Percent100, Fit, PageWidth };

struct PageSetup {
    Orientation orientation = Orientation::Portrait;
    Paper paper = Paper::A4;
    Mm width{210.0};  // as laid out and previewed
    Mm length{297.0}; // as laid out and previewed
    Mm topMargin, bottomMargin, leftMargin, rightMargin;
    int columns = 1;
    Mm columnSpacing;
};

struct FontSpec {
    QString family = QStringLiteral("Arial"); // as the layout names it
    double pointSize = 10.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const FontSpec&) const = default;
};

enum class ElementKind {
    Label,              // a caption
    DataLabel,          // the value of one field of the current record
    Memo,               // several lines, laid out like a fixed-size label
    CheckBox,           // a square with a cross when ticked
    Shape,              // rectangle or ellipse
    Picture,            // an image stretched to its box
    PositioningPicture, // the scanned blank form under the elements; never printed
};

enum class ShapeKind { Rectangle, Ellipse };

struct Element {
    QString name;
    ElementKind kind = ElementKind::Label;
    BoxMm box;
    // Text elements.
    QString text;  // caption, or the memo's lines joined by CR
    QString field; // data-bound labels
    FontSpec font;
    Alignment alignment = Alignment::Left;
    bool autoSize = false;
    bool autoStretch = false; // the band grows so that every line prints
    bool opaque = true;       // box filled white before the text
    double rotation = 0.0;    // degrees, counter-clockwise
    // Check boxes.
    bool ticked = false;
    // Shapes.
    ShapeKind shape = ShapeKind::Rectangle;
    // Pictures: a file or resource path.
    QString image;

    bool isText() const {
        return kind == ElementKind::Label || kind == ElementKind::DataLabel || kind == ElementKind::Memo;
    }
};

enum class BandKind { Detail, SubDetail };

struct Band {
    QString name;
    BandKind kind = BandKind::Detail;
    Mm height;
    bool transparent = true;
    std::vector<Element> elements; // in drawing order: later ones over earlier ones
};

class Layout {
public:
    // Parses a layout description; throws LayoutError with the reason when it is malformed.
    static Layout fromJson(const QByteArray& json);
    // Loads a layout from a file or resource (":/layouts/envelope/TForm7.json").
    static Layout load(const QString& path);

    QString windowName() const { return m_windowName; }
    QString reportName() const { return m_reportName; }
    const PageSetup& page() const { return m_page; }
    const std::vector<Band>& bands() const { return m_bands; }
    PreviewZoom previewZoom() const { return m_zoom; }
    // The table a label sheet is bound to ("Partner"); empty for unbound layouts.
    QString table() const { return m_table; }
    bool isBound() const { return !m_table.isEmpty(); }
    // The fields the data-bound labels read, in drawing order, each once.
    QStringList boundFields() const;

    // Looks an element up by name; throws LayoutError when the layout has none of that name.
    const Element& element(const QString& name) const;
    bool hasElement(const QString& name) const;
    QStringList elementNames() const;

    // The operations entry windows use. Each throws LayoutError for an unknown name or an
    // element of the wrong kind; values stay until written again.
    void setText(const QString& elementName, const QString& text); // labels and memos
    void setTicked(const QString& checkBoxName, bool ticked);
    void setPageWidth(Mm width);   // custom paper only; ignored for A4
    void setPageLength(Mm length); // custom paper only; ignored for A4
    void setPaperA4(Orientation orientation);
    void setOrientation(Orientation orientation); // on A4, width and length follow it
    void setColumns(int columns);                 // ignored when 0 or negative
    void setMargin(Side side, Mm margin);
    void setBandHeight(const QString& bandName, Mm height);

private:
    Element& mutableElement(const QString& name);

    QString m_windowName;
    QString m_reportName;
    QString m_table;
    PageSetup m_page;
    PreviewZoom m_zoom = PreviewZoom::Percent100;
    std::vector<Band> m_bands;
};

QString kindName(ElementKind kind);

} // namespace kartella::printing
