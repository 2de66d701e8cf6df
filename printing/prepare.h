#pragma once
// Laying out a layout's current state as pages of positioned primitives, in millimetres from the
// top-left corner of the sheet. Every line break, auto-size width and band position is decided here,
// once; render() only draws what it is given.

#include "printing/layout.h"
#include "printing/length.h"

#include <QString>
#include <vector>

namespace kartella::data {
class RecordSource;
}

namespace kartella::printing {

struct TextLine {
    QString text;
    Mm left;     // left end of the line's text
    Mm baseline; // baseline of the line
    Mm width;    // advance width of the text
};

// One element as it prints on a page.
struct PlacedElement {
    QString name;
    ElementKind kind = ElementKind::Label;
    BoxMm box; // on the sheet, after auto-size and auto-stretch
    // Text elements: lines in sheet coordinates, before rotation; a rotated element turns its
    // lines by `rotation` degrees counter-clockwise around the centre of `box`.
    std::vector<TextLine> lines;
    FontSpec font;
    Alignment alignment = Alignment::Left;
    bool opaque = false; // box filled white first
    double rotation = 0.0;
    bool ticked = false;                    // check boxes
    ShapeKind shape = ShapeKind::Rectangle; // shapes
    QString image;                          // pictures
};

struct PlacedBand {
    QString name;
    BoxMm box;
    bool opaque = false; // area filled white before its elements
    std::vector<PlacedElement> elements;
};

struct Page {
    Mm width;
    Mm length;
    std::vector<PlacedBand> bands; // in printing order
};

struct Report {
    QString window; // the layout window's name
    Mm pageWidth;
    Mm pageLength;
    Orientation orientation = Orientation::Portrait;
    PreviewZoom zoom = PreviewZoom::Percent100;
    std::vector<Page> pages;
};

// Lays out the pages. An unbound layout prints its bands once. A bound layout prints them once per
// record of `records` (in the order given, data-bound labels showing that record's fields), or once
// with empty data-bound labels when there is no record or no source.
//
// Bands fill the first column from the top margin down while they fit above the bottom margin, then
// the next column, then a new page; a band that does not fit even in an empty column prints there
// anyway, cut at the page's edge. Degenerate set-ups stay finite: a band height of 0 or less takes
// the height its elements need, and margins that leave no room for a column give one record per page.
Report prepare(const Layout& layout, const data::RecordSource* records = nullptr);

// The lines of a fixed-width text: LF dropped, a new line at each CR, breaks after the last space
// or hyphen that fits, a word wider than `width` broken between characters. Exposed for tests.
QStringList breakLines(const QString& text, const FontSpec& font, Mm width);

} // namespace kartella::printing
