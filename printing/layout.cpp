#include "printing/layout.h"

#include <QFile>

namespace kartella::printing {

namespace {
constexpr double kA4Short = 210.0;
constexpr double kA4Long = 297.0;
} // namespace

QString kindName(ElementKind kind) {
    switch (kind) {
    case ElementKind::Label:
        return QStringLiteral("label");
    case ElementKind::DataLabel:
        return QStringLiteral("data-label");
    case ElementKind::Memo:
        return QStringLiteral("memo");
    case ElementKind::CheckBox:
        return QStringLiteral("check-box");
    case ElementKind::Shape:
        return QStringLiteral("shape");
    case ElementKind::Picture:
        return QStringLiteral("picture");
    case ElementKind::PositioningPicture:
        return QStringLiteral("positioning-picture");
    }
    return {};
}

Layout Layout::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw LayoutError(QStringLiteral("A nyomtatási kép nem olvasható: %1").arg(path));
    return fromJson(file.readAll());
}

QStringList Layout::boundFields() const {
    QStringList fields;
    for (const Band& band : m_bands)
        for (const Element& e : band.elements)
            if (e.kind == ElementKind::DataLabel && !fields.contains(e.field))
                fields.append(e.field);
    return fields;
}

bool Layout::hasElement(const QString& name) const {
    for (const Band& band : m_bands)
        for (const Element& e : band.elements)
            if (e.name == name)
                return true;
    return false;
}

QStringList Layout::elementNames() const {
    QStringList names;
    for (const Band& band : m_bands)
        for (const Element& e : band.elements)
            names.append(e.name);
    return names;
}

const Element& Layout::element(const QString& name) const {
    return const_cast<Layout*>(this)->mutableElement(name);
}

Element& Layout::mutableElement(const QString& name) {
    for (Band& band : m_bands)
        for (Element& e : band.elements)
            if (e.name == name)
                return e;
    throw LayoutError(QStringLiteral("%1: nincs ilyen elem: %2").arg(m_windowName, name));
}

void Layout::setText(const QString& elementName, const QString& text) {
    Element& e = mutableElement(elementName);
    if (e.kind != ElementKind::Label && e.kind != ElementKind::Memo)
        throw LayoutError(QStringLiteral("%1: %2 nem felirat").arg(m_windowName, elementName));
    e.text = text;
}

void Layout::setTicked(const QString& checkBoxName, bool ticked) {
    Element& e = mutableElement(checkBoxName);
    if (e.kind != ElementKind::CheckBox)
        throw LayoutError(QStringLiteral("%1: %2 nem jelölőnégyzet").arg(m_windowName, checkBoxName));
    e.ticked = ticked;
}

void Layout::setPageWidth(Mm width) {
    if (m_page.paper == Paper::Custom)
        m_page.width = width;
}

void Layout::setPageLength(Mm length) {
    if (m_page.paper == Paper::Custom)
        m_page.length = length;
}

void Layout::setPaperA4(Orientation orientation) {
    m_page.paper = Paper::A4;
    setOrientation(orientation);
}

void Layout::setOrientation(Orientation orientation) {
    m_page.orientation = orientation;
    if (m_page.paper == Paper::A4) {
        const bool portrait = orientation == Orientation::Portrait;
        m_page.width = Mm(portrait ? kA4Short : kA4Long);
        m_page.length = Mm(portrait ? kA4Long : kA4Short);
    }
}

void Layout::setColumns(int columns) {
    if (columns > 0)
        m_page.columns = columns;
}

void Layout::setMargin(Side side, Mm margin) {
    switch (side) {
    case Side::Top:
        m_page.topMargin = margin;
        break;
    case Side::Bottom:
        m_page.bottomMargin = margin;
        break;
    case Side::Left:
        m_page.leftMargin = margin;
        break;
    case Side::Right:
        m_page.rightMargin = margin;
        break;
    }
}

void Layout::setBandHeight(const QString& bandName, Mm height) {
    for (Band& band : m_bands)
        if (band.name == bandName) {
            band.height = height;
            return;
        }
    throw LayoutError(QStringLiteral("%1: nincs ilyen sáv: %2").arg(m_windowName, bandName));
}

} // namespace kartella::printing
