#include "printing/page_json.h"

#include "printing/fonts.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cmath>

namespace kartella::printing {

namespace {

// Millimetres to a thousandth, which is finer than any printer and keeps the output readable.
double mm(Mm length) {
    return std::round(length.value() * 1000.0) / 1000.0;
}

QJsonObject box(const BoxMm& b) {
    return {{"left", mm(b.left)}, {"top", mm(b.top)}, {"width", mm(b.width)}, {"height", mm(b.height)}};
}

QString alignmentName(Alignment a) {
    switch (a) {
    case Alignment::Left:
        return "left";
    case Alignment::Centre:
        return "centre";
    case Alignment::Right:
        return "right";
    }
    return {};
}

QJsonObject element(const PlacedElement& e, const QString& band) {
    QJsonObject o{{"name", e.name}, {"kind", kindName(e.kind)}, {"band", band}, {"box", box(e.box)}};
    switch (e.kind) {
    case ElementKind::Label:
    case ElementKind::DataLabel:
    case ElementKind::Memo: {
        o["font"] = QJsonObject{{"family", e.font.family},  {"installed", installedFamily(e.font.family)},
                                {"size", e.font.pointSize}, {"bold", e.font.bold},
                                {"italic", e.font.italic},  {"underline", e.font.underline}};
        o["align"] = alignmentName(e.alignment);
        o["opaque"] = e.opaque;
        if (e.rotation != 0.0)
            o["rotation"] = e.rotation;
        QJsonArray lines;
        for (const TextLine& line : e.lines)
            lines.append(QJsonObject{{"text", line.text},
                                     {"left", mm(line.left)},
                                     {"baseline", mm(line.baseline)},
                                     {"width", mm(line.width)}});
        o["lines"] = lines;
        break;
    }
    case ElementKind::CheckBox:
        o["ticked"] = e.ticked;
        break;
    case ElementKind::Shape:
        o["shape"] = e.shape == ShapeKind::Ellipse ? "ellipse" : "rectangle";
        break;
    case ElementKind::Picture:
        o["image"] = e.image;
        break;
    case ElementKind::PositioningPicture:
        break;
    }
    return o;
}

} // namespace

QJsonDocument describe(const Report& report) {
    QJsonArray pages;
    int number = 0;
    for (const Page& page : report.pages) {
        QJsonArray bands, elements;
        for (const PlacedBand& band : page.bands) {
            bands.append(QJsonObject{{"name", band.name}, {"box", box(band.box)}, {"opaque", band.opaque}});
            for (const PlacedElement& e : band.elements)
                elements.append(element(e, band.name));
        }
        pages.append(QJsonObject{{"number", ++number},
                                 {"width", mm(page.width)},
                                 {"length", mm(page.length)},
                                 {"bands", bands},
                                 {"elements", elements}});
    }
    return QJsonDocument(
        QJsonObject{{"layout", report.window},
                    {"orientation", report.orientation == Orientation::Landscape ? "landscape" : "portrait"},
                    {"pages", pages}});
}

} // namespace kartella::printing
