// Reading a layout description.
//
// One JSON object per layout window, all lengths in millimetres, all keys optional unless marked:
//
//   {
//     "window": "TForm7",                      required: the layout window's name
//     "report": "QRPQuickrep1",                the report object's name
//     "zoom": "100" | "fit" | "width",         the preview's initial zoom (default "100")
//     "table": "Partner",                      bound layouts only: the table whose records print
//     "page": {
//       "orientation": "portrait" | "landscape",
//       "paper": "A4" | "custom",              A4 fixes width and length from the orientation
//       "width": 162.0, "length": 114.0,       custom paper only (required there)
//       "margins": { "top": 0, "bottom": 0, "left": 0, "right": 0 },
//       "columns": 1, "columnSpacing": 0
//     },
//     "bands": [ {                             required, at least one
//       "name": "DetailBand1",                 required
//       "kind": "detail" | "subdetail",
//       "height": 114.0,                       required
//       "transparent": true,                   false: the band's area is filled white first
//       "elements": [ {                        in drawing order
//         "name": "QRLabel1",                  required, unique in the layout
//         "kind": "label" | "data-label" | "memo" | "check-box" | "shape" | "picture"
//                 | "positioning-picture",     required
//         "box": [left, top, width, height],   required, from the band's top-left corner
//         "text": "...",                       labels: caption; memos: lines joined by "\r"
//         "field": "NEV",                      data-labels: the field shown (required there)
//         "font": { "family": "Arial", "size": 10, "bold": false, "italic": false,
//                   "underline": false },
//         "align": "left" | "centre" | "right",
//         "autoSize": false,                   data-labels default to true
//         "autoStretch": false,
//         "opaque": true,
//         "rotation": 0,                       degrees, counter-clockwise
//         "ticked": false,                     check boxes
//         "shape": "rectangle" | "ellipse",    shapes
//         "image": ":/forms/logo.png"          pictures
//       } ]
//     } ]
//   }
//
// Unknown keys are refused, so that a misspelt key cannot silently fall back to a default.

#include "printing/layout.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace kartella::printing {

namespace {

[[noreturn]] void fail(const QString& where, const QString& what) {
    throw LayoutError(QStringLiteral("Hibás nyomtatási kép (%1): %2").arg(where, what));
}

void checkKeys(const QJsonObject& object, const QStringList& allowed, const QString& where) {
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!allowed.contains(it.key()))
            fail(where, QStringLiteral("ismeretlen kulcs \"%1\"").arg(it.key()));
}

QJsonValue required(const QJsonObject& object, const QString& key, const QString& where) {
    if (!object.contains(key))
        fail(where, QStringLiteral("hiányzik: \"%1\"").arg(key));
    return object.value(key);
}

Mm length(const QJsonValue& value, const QString& where) {
    if (!value.isDouble())
        fail(where, QStringLiteral("a hossz nem szám"));
    return Mm(value.toDouble());
}

Mm optionalLength(const QJsonObject& object, const QString& key, Mm fallback, const QString& where) {
    return object.contains(key) ? length(object.value(key), where + '.' + key) : fallback;
}

bool flag(const QJsonObject& object, const QString& key, bool fallback, const QString& where) {
    if (!object.contains(key))
        return fallback;
    const QJsonValue v = object.value(key);
    if (!v.isBool())
        fail(where, QStringLiteral("\"%1\" nem logikai érték").arg(key));
    return v.toBool();
}

QString text(const QJsonObject& object, const QString& key, const QString& fallback, const QString& where) {
    if (!object.contains(key))
        return fallback;
    const QJsonValue v = object.value(key);
    if (!v.isString())
        fail(where, QStringLiteral("\"%1\" nem szöveg").arg(key));
    return v.toString();
}

template <typename T>
T choice(const QJsonObject& object, const QString& key, T fallback,
         std::initializer_list<std::pair<const char*, T>> options, const QString& where) {
    if (!object.contains(key))
        return fallback;
    const QString value = object.value(key).toString();
    for (const auto& [word, result] : options)
        if (value == QLatin1String(word))
            return result;
    fail(where, QStringLiteral("\"%1\" értéke hibás: \"%2\"").arg(key, value));
}

FontSpec parseFont(const QJsonObject& object, const QString& where) {
    checkKeys(object, {"family", "size", "bold", "italic", "underline"}, where);
    FontSpec font;
    font.family = text(object, "family", font.family, where);
    if (object.contains("size")) {
        if (!object.value("size").isDouble() || object.value("size").toDouble() <= 0)
            fail(where, QStringLiteral("a betűméret hibás"));
        font.pointSize = object.value("size").toDouble();
    }
    font.bold = flag(object, "bold", false, where);
    font.italic = flag(object, "italic", false, where);
    font.underline = flag(object, "underline", false, where);
    return font;
}

Element parseElement(const QJsonObject& object, const QString& bandWhere) {
    QString where = bandWhere + QStringLiteral(".elements");
    checkKeys(object,
              {"name", "kind", "box", "text", "field", "font", "align", "autoSize", "autoStretch", "opaque",
               "rotation", "ticked", "shape", "image"},
              where);
    Element e;
    e.name = required(object, "name", where).toString();
    if (e.name.isEmpty())
        fail(where, QStringLiteral("üres elemnév"));
    where = e.name;
    required(object, "kind", where);
    e.kind = choice<ElementKind>(object, "kind", ElementKind::Label,
                                 {{"label", ElementKind::Label},
                                  {"data-label", ElementKind::DataLabel},
                                  {"memo", ElementKind::Memo},
                                  {"check-box", ElementKind::CheckBox},
                                  {"shape", ElementKind::Shape},
                                  {"picture", ElementKind::Picture},
                                  {"positioning-picture", ElementKind::PositioningPicture}},
                                 where);
    const QJsonArray box = required(object, "box", where).toArray();
    if (box.size() != 4)
        fail(where, QStringLiteral("a \"box\" négy szám: bal, felső, szélesség, magasság"));
    e.box = {length(box[0], where), length(box[1], where), length(box[2], where), length(box[3], where)};
    if (e.box.width < Mm(0) || e.box.height < Mm(0))
        fail(where, QStringLiteral("negatív méret"));
    e.text = text(object, "text", {}, where);
    e.field = text(object, "field", {}, where);
    if (e.kind == ElementKind::DataLabel && e.field.isEmpty())
        fail(where, QStringLiteral("a mezőhöz kötött feliratnak kell \"field\""));
    if (object.contains("font"))
        e.font = parseFont(object.value("font").toObject(), where + QStringLiteral(".font"));
    e.alignment = choice<Alignment>(object, "align", Alignment::Left,
                                    {{"left", Alignment::Left},
                                     {"centre", Alignment::Centre},
                                     {"center", Alignment::Centre},
                                     {"right", Alignment::Right}},
                                    where);
    e.autoSize = flag(object, "autoSize", e.kind == ElementKind::DataLabel, where);
    if (e.kind == ElementKind::Memo)
        e.autoSize = false;
    e.autoStretch = flag(object, "autoStretch", false, where);
    e.opaque = flag(object, "opaque", true, where);
    if (object.contains("rotation"))
        e.rotation = object.value("rotation").toDouble();
    e.ticked = flag(object, "ticked", false, where);
    e.shape =
        choice<ShapeKind>(object, "shape", ShapeKind::Rectangle,
                          {{"rectangle", ShapeKind::Rectangle}, {"ellipse", ShapeKind::Ellipse}}, where);
    e.image = text(object, "image", {}, where);
    return e;
}

} // namespace

Layout Layout::fromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (doc.isNull() || !doc.isObject())
        fail(QStringLiteral("JSON"), error.errorString());
    const QJsonObject root = doc.object();
    checkKeys(root, {"window", "report", "zoom", "table", "page", "bands"}, QStringLiteral("JSON"));

    Layout layout;
    layout.m_windowName = required(root, "window", QStringLiteral("JSON")).toString();
    const QString where = layout.m_windowName;
    layout.m_reportName = text(root, "report", QStringLiteral("QRPQuickrep1"), where);
    layout.m_table = text(root, "table", {}, where);
    layout.m_zoom = choice<PreviewZoom>(
        root, "zoom", PreviewZoom::Percent100,
        {{"100", PreviewZoom::Percent100}, {"fit", PreviewZoom::Fit}, {"width", PreviewZoom::PageWidth}},
        where);

    const QJsonObject page = root.value("page").toObject();
    const QString pageWhere = where + QStringLiteral(".page");
    checkKeys(page, {"orientation", "paper", "width", "length", "margins", "columns", "columnSpacing"},
              pageWhere);
    PageSetup& setup = layout.m_page;
    setup.orientation = choice<Orientation>(
        page, "orientation", Orientation::Portrait,
        {{"portrait", Orientation::Portrait}, {"landscape", Orientation::Landscape}}, pageWhere);
    setup.paper =
        choice<Paper>(page, "paper", Paper::A4, {{"A4", Paper::A4}, {"custom", Paper::Custom}}, pageWhere);
    if (setup.paper == Paper::Custom) {
        setup.width = length(required(page, "width", pageWhere), pageWhere);
        setup.length = length(required(page, "length", pageWhere), pageWhere);
    } else {
        layout.setOrientation(setup.orientation);
    }
    const QJsonObject margins = page.value("margins").toObject();
    checkKeys(margins, {"top", "bottom", "left", "right"}, pageWhere + QStringLiteral(".margins"));
    setup.topMargin = optionalLength(margins, "top", Mm(0), pageWhere);
    setup.bottomMargin = optionalLength(margins, "bottom", Mm(0), pageWhere);
    setup.leftMargin = optionalLength(margins, "left", Mm(0), pageWhere);
    setup.rightMargin = optionalLength(margins, "right", Mm(0), pageWhere);
    setup.columns = page.value("columns").toInt(1);
    if (setup.columns < 1)
        fail(pageWhere, QStringLiteral("legalább egy hasáb kell"));
    setup.columnSpacing = optionalLength(page, "columnSpacing", Mm(0), pageWhere);

    const QJsonArray bands = required(root, "bands", where).toArray();
    if (bands.isEmpty())
        fail(where, QStringLiteral("nincs sáv"));
    QSet<QString> names;
    for (const QJsonValue& bandValue : bands) {
        const QJsonObject b = bandValue.toObject();
        const QString bandWhere = where + QStringLiteral(".bands");
        checkKeys(b, {"name", "kind", "height", "transparent", "elements"}, bandWhere);
        Band band;
        band.name = required(b, "name", bandWhere).toString();
        band.kind =
            choice<BandKind>(b, "kind", BandKind::Detail,
                             {{"detail", BandKind::Detail}, {"subdetail", BandKind::SubDetail}}, bandWhere);
        band.height = length(required(b, "height", bandWhere), bandWhere);
        band.transparent = flag(b, "transparent", true, bandWhere);
        for (const QJsonValue& elementValue : b.value("elements").toArray()) {
            Element e = parseElement(elementValue.toObject(), bandWhere);
            if (names.contains(e.name))
                fail(where, QStringLiteral("kétszer szereplő elemnév: %1").arg(e.name));
            names.insert(e.name);
            band.elements.push_back(std::move(e));
        }
        layout.m_bands.push_back(std::move(band));
    }
    if (layout.m_bands.front().kind != BandKind::Detail)
        fail(where, QStringLiteral("az első sáv a részletező sáv"));
    return layout;
}

} // namespace kartella::printing
