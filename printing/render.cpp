#include "printing/render.h"

#include "printing/fonts.h"

#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgRenderer>
#include <memory>

namespace kartella::printing {

namespace {

constexpr double kFontUnitMm = kMmPerPoint / kFontUnitsPerPoint;

QRectF rect(const BoxMm& box) {
    return QRectF(box.left.value(), box.top.value(), box.width.value(), box.height.value());
}

// Pictures stretched to their box: SVG drawn as vectors, anything else as an image.
void drawPicture(const QString& path, const QRectF& box, QPainter& painter) {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        static QHash<QString, std::shared_ptr<QSvgRenderer>> svgs;
        auto it = svgs.find(path);
        if (it == svgs.end())
            it = svgs.insert(path, std::make_shared<QSvgRenderer>(path));
        (*it)->setAspectRatioMode(Qt::IgnoreAspectRatio);
        (*it)->render(&painter, box);
        return;
    }
    static QHash<QString, QImage> images;
    auto it = images.find(path);
    if (it == images.end())
        it = images.insert(path, QImage(path));
    painter.drawImage(box, *it);
}

// Where ink has gone on the page so far. A white fill over a spot without ink changes nothing on
// any device (printers lay down no white), so such fills are left out: a label sheet's thousands of
// label boxes then cost nothing, while an opaque label over a shape still hides the shape's outline.
class Ink {
public:
    bool under(const BoxMm& box) const {
        const QRectF r = rect(box);
        for (const QRectF& ink : m_rects)
            if (ink.intersects(r))
                return true;
        return false;
    }
    void add(const BoxMm& box) {
        // A little wider than the box: hairlines and underlines reach just past it.
        constexpr double reach = 0.2;
        m_rects.push_back(rect(box).adjusted(-reach, -reach, reach, reach));
    }

private:
    std::vector<QRectF> m_rects;
};

void drawText(const PlacedElement& e, QPainter& painter, const QTransform& sheet, bool fill) {
    QTransform base = sheet;
    if (e.rotation != 0.0) {
        const QPointF c = rect(e.box).center();
        base = QTransform().translate(c.x(), c.y()).rotate(-e.rotation).translate(-c.x(), -c.y()) * sheet;
    }
    if (fill && e.opaque && e.box.width > Mm(0) && e.box.height > Mm(0)) {
        painter.setTransform(base);
        painter.fillRect(rect(e.box), Qt::white);
    }
    if (e.lines.empty())
        return;
    painter.setFont(unitFont(e.font));
    painter.setPen(Qt::black);
    for (const TextLine& line : e.lines) {
        if (line.text.isEmpty())
            continue;
        // Fonts are in units of 1/100 point, so scale from millimetres down to those units.
        painter.setTransform(
            QTransform(kFontUnitMm, 0, 0, kFontUnitMm, line.left.value(), line.baseline.value()) * base);
        painter.drawText(QPointF(0, 0), line.text);
    }
}

void drawCheckBox(const PlacedElement& e, QPainter& painter) {
    const QRectF box = rect(e.box);
    painter.fillRect(box, Qt::white);
    const double pen = kCheckBoxPen.value();
    painter.setPen(QPen(Qt::black, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    // The frame's outer edge is the box's edge.
    painter.drawRect(box.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
    if (e.ticked) {
        const double inset = kCheckBoxMarkInset.value();
        const QRectF mark = box.adjusted(inset, inset, -inset, -inset);
        if (mark.width() > 0 && mark.height() > 0) {
            painter.setPen(QPen(Qt::black, pen, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(mark.topLeft(), mark.bottomRight());
            painter.drawLine(mark.topRight(), mark.bottomLeft());
        }
    }
}

void drawShape(const PlacedElement& e, QPainter& painter) {
    QPen hairline(Qt::black, 0); // one device pixel on every device
    hairline.setCosmetic(true);
    painter.setPen(hairline);
    painter.setBrush(Qt::white);
    if (e.shape == ShapeKind::Ellipse)
        painter.drawEllipse(rect(e.box));
    else
        painter.drawRect(rect(e.box));
    painter.setBrush(Qt::NoBrush);
}

} // namespace

void render(const Page& page, QPainter& painter) {
    QPaintDevice* device = painter.device();
    const double sx = device->logicalDpiX() / kMmPerInch;
    const double sy = device->logicalDpiY() / kMmPerInch;
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    const QTransform sheet = QTransform::fromScale(sx, sy) * painter.transform();
    Ink ink;
    for (const PlacedBand& band : page.bands) {
        painter.setTransform(sheet);
        if (band.opaque && band.box.width > Mm(0) && ink.under(band.box))
            painter.fillRect(rect(band.box), Qt::white);
        for (const PlacedElement& e : band.elements) {
            if (e.kind == ElementKind::Label || e.kind == ElementKind::DataLabel ||
                e.kind == ElementKind::Memo) {
                drawText(e, painter, sheet, ink.under(e.box));
                if (!e.lines.empty())
                    ink.add(e.box);
                continue;
            }
            ink.add(e.box);
            painter.setTransform(sheet);
            switch (e.kind) {
            case ElementKind::CheckBox:
                drawCheckBox(e, painter);
                break;
            case ElementKind::Shape:
                drawShape(e, painter);
                break;
            case ElementKind::Picture:
                drawPicture(e.image, rect(e.box), painter);
                break;
            default:
                break;
            }
        }
    }
    painter.restore();
}

QPageLayout pageLayout(const Report& report) {
    const double w = report.pageWidth.value(), l = report.pageLength.value();
    const bool landscape = w > l;
    const QPageSize size(QSizeF(std::min(w, l), std::max(w, l)), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void configurePrinter(QPrinter& printer, const Report& report) {
    printer.setPageLayout(pageLayout(report));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setFullPage(true);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setCopyCount(1);
    printer.setCollateCopies(false);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setPaperSource(QPrinter::Upper);
}

void print(const Report& report, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    for (size_t i = 0; i < report.pages.size(); ++i) {
        if (i > 0)
            printer.newPage();
        render(report.pages[i], painter);
    }
    painter.end();
}

bool writePdf(const Report& report, const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("Kartella"));
    writer.setTitle(report.window);
    writer.setPageLayout(pageLayout(report));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (size_t i = 0; i < report.pages.size(); ++i) {
        if (i > 0)
            writer.newPage();
        render(report.pages[i], painter);
    }
    return painter.end();
}

QStringList pngPageFiles(const QString& path, int pageCount) {
    if (pageCount <= 1)
        return {path};
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QStringLiteral("png") : info.suffix();
    const QString stem = info.path() + '/' + info.completeBaseName();
    QStringList files;
    for (int i = 1; i <= pageCount; ++i)
        files.append(QStringLiteral("%1-%2.%3").arg(stem).arg(i).arg(suffix));
    return files;
}

bool writePng(const Report& report, const QString& path, int dotsPerInch) {
    const QStringList files = pngPageFiles(path, int(report.pages.size()));
    for (size_t i = 0; i < report.pages.size(); ++i) {
        const Page& page = report.pages[i];
        const QSize size(qRound(page.width.pixels(dotsPerInch)), qRound(page.length.pixels(dotsPerInch)));
        QImage image(size, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(dotsPerInch / kMmPerInch * 1000.0);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        image.fill(Qt::white);
        QPainter painter(&image);
        render(page, painter);
        painter.end();
        if (!image.save(files[qsizetype(i)], "PNG"))
            return false;
    }
    return true;
}

} // namespace kartella::printing
