#pragma once
// Drawing prepared pages. render() is the only code that draws a page: the preview, the printer,
// the PDF writer and images all go through it.

#include "printing/prepare.h"

#include <QPageLayout>
#include <QString>

class QPainter;
class QPrinter;

namespace kartella::printing {

// The pen of a check box's frame and cross: one point.
inline constexpr Mm kCheckBoxPen = Mm::fromPoints(1.0);
// The inset of a check box's cross from each side: 3 pixels of a 96 dpi screen.
inline constexpr Mm kCheckBoxMarkInset = Mm::fromPixels(3.0, 96.0);

// Paints one page onto the painter's device, the page's top-left corner at the device's origin,
// scaled by the device's resolution.
void render(const Page& page, QPainter& painter);

// The page layout of a report's sheets: its size and orientation, no margins.
QPageLayout pageLayout(const Report& report);

// Sets a printer up for a report: full page with zero margins (so the printer's own margins never
// shift the boxes), a page of the report's size and orientation, all pages, one copy, no duplex,
// paper from the upper tray.
void configurePrinter(QPrinter& printer, const Report& report);

// Paints every page of the report onto a printer that configurePrinter() has set up.
void print(const Report& report, QPrinter& printer);

// Writes the report as a PDF file; false when the file cannot be written.
bool writePdf(const Report& report, const QString& path);

// Writes the pages as PNG images at `dotsPerInch`: a one-page report to `path`, a longer one to
// `path` with "-1", "-2", ... before the extension. False when an image cannot be written.
bool writePng(const Report& report, const QString& path, int dotsPerInch = 150);
QStringList pngPageFiles(const QString& path, int pageCount);

} // namespace kartella::printing
