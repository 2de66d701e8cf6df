#include "printing/prepare.h"

#include "data/record_source.h"
#include "printing/fonts.h"

#include <QHash>
#include <cmath>
#include <numbers>

namespace kartella::printing {

namespace {

// The smallest height a band takes when neither its height nor its elements give one, so that a
// column always advances.
constexpr Mm kMinimalBandHeight{0.1};

QString withoutLineFeeds(const QString& text) {
    if (!text.contains(QChar('\n')))
        return text;
    QString result = text;
    result.remove(QChar('\n'));
    return result;
}

QString trimmedRight(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QChar(' '))
        --end;
    return text.left(end);
}

qsizetype skipSpaces(const QString& text, qsizetype from) {
    while (from < text.size() && text.at(from) == QChar(' '))
        ++from;
    return from;
}

bool fits(const FontSpec& font, const QString& text, Mm width) {
    return textWidth(font, text) <= width;
}

// The number of leading characters of `text` that fit in `width`: at least one, so that breaking
// always advances, and never half of a surrogate pair.
qsizetype charactersThatFit(const QString& text, const FontSpec& font, Mm width) {
    qsizetype lo = 1, hi = text.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (fits(font, text.left(mid), width))
            lo = mid;
        else
            hi = mid - 1;
    }
    if (lo < text.size() && text.at(lo - 1).isHighSurrogate())
        lo = lo > 1 ? lo - 1 : lo + 1;
    return lo;
}

void breakParagraph(const QString& paragraph, const FontSpec& font, Mm width, QStringList& lines) {
    qsizetype start = 0;
    while (start < paragraph.size()) {
        const QString rest = paragraph.mid(start);
        if (fits(font, trimmedRight(rest), width)) {
            lines.append(trimmedRight(rest));
            return;
        }
        // The last break opportunity (after a space or hyphen) whose line fits.
        qsizetype best = -1;
        for (qsizetype i = 1; i < rest.size(); ++i) {
            const QChar c = rest.at(i - 1);
            if (c != QChar(' ') && c != QChar('-'))
                continue;
            if (rest.at(i) == QChar(' '))
                continue; // break after the last of several spaces
            const QString candidate = trimmedRight(rest.left(i));
            if (candidate.isEmpty())
                continue;
            if (!fits(font, candidate, width))
                break;
            best = i;
        }
        if (best > 0) {
            lines.append(trimmedRight(rest.left(best)));
            start = skipSpaces(paragraph, start + best);
        } else {
            // No break fits: the first word is wider than the box and is broken between characters.
            const qsizetype n = charactersThatFit(rest, font, width);
            lines.append(rest.left(n));
            start = skipSpaces(paragraph, start + n);
        }
    }
    if (paragraph.isEmpty())
        lines.append(QString());
}

QString elementText(const Element& e, const QHash<QString, QString>* record) {
    if (e.kind == ElementKind::DataLabel)
        return record ? record->value(e.field) : QString();
    return e.text;
}

// Positions a text element's lines in its box (band coordinates) and applies auto-size and
// auto-stretch to the box.
PlacedElement placeText(const Element& e, const QString& text) {
    PlacedElement placed;
    placed.name = e.name;
    placed.kind = e.kind;
    placed.font = e.font;
    placed.alignment = e.alignment;
    placed.opaque = e.opaque;
    placed.rotation = e.rotation;

    // A label turned by about a right angle lays its lines out along the box's height.
    const double radians = e.rotation * std::numbers::pi / 180.0;
    const bool sideways = std::abs(std::sin(radians)) > std::abs(std::cos(radians));
    BoxMm frame = e.box;
    if (sideways) {
        const Mm cx = e.box.left + e.box.width / 2, cy = e.box.top + e.box.height / 2;
        frame = {cx - e.box.height / 2, cy - e.box.width / 2, e.box.height, e.box.width};
    }

    const FontMetricsMm& metrics = fontMetrics(e.font);
    const QStringList paragraphs = withoutLineFeeds(text).split(QChar('\r'));
    QStringList lines;
    std::vector<Mm> widths;
    if (e.autoSize) {
        lines = paragraphs;
        Mm widest;
        for (const QString& line : lines) {
            widths.push_back(textWidth(e.font, line));
            widest = max(widest, widths.back());
        }
        const Mm designRight = frame.right(), designCentre = frame.left + frame.width / 2;
        frame.width = widest;
        if (e.alignment == Alignment::Right)
            frame.left = designRight - widest;
        else if (e.alignment == Alignment::Centre)
            frame.left = designCentre - widest / 2;
        frame.height = max(frame.height, metrics.lineHeight * double(lines.size()));
    } else {
        for (const QString& paragraph : paragraphs)
            breakParagraph(paragraph, e.font, frame.width, lines);
        if (e.autoStretch) {
            frame.height = max(frame.height, metrics.lineHeight * double(lines.size()));
        } else {
            // Only lines that end inside the box print; the first that would not ends the text.
            qsizetype fitting = 0;
            while (fitting < lines.size() && metrics.lineHeight * double(fitting + 1) <= frame.height)
                ++fitting;
            lines = lines.mid(0, fitting);
        }
        for (const QString& line : lines)
            widths.push_back(textWidth(e.font, line));
    }

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Mm w = widths[size_t(i)];
        Mm left = frame.left;
        if (e.alignment == Alignment::Right)
            left = frame.right() - w;
        else if (e.alignment == Alignment::Centre)
            left = frame.left + (frame.width - w) / 2;
        placed.lines.push_back(
            {lines[i], left, frame.top + metrics.lineHeight * double(i) + metrics.ascent, w});
    }
    if (sideways) {
        const Mm cx = frame.left + frame.width / 2, cy = frame.top + frame.height / 2;
        placed.box = {cx - frame.height / 2, cy - frame.width / 2, frame.height, frame.width};
    } else {
        placed.box = frame;
    }
    return placed;
}

PlacedElement place(const Element& e, const QHash<QString, QString>* record) {
    if (e.isText())
        return placeText(e, elementText(e, record));
    PlacedElement placed;
    placed.name = e.name;
    placed.kind = e.kind;
    placed.box = e.box;
    placed.ticked = e.ticked;
    placed.shape = e.shape;
    placed.image = e.image;
    placed.opaque = e.kind != ElementKind::Picture;
    return placed;
}

void shift(PlacedElement& e, Mm dx, Mm dy) {
    e.box = e.box.translated(dx, dy);
    for (TextLine& line : e.lines) {
        line.left += dx;
        line.baseline += dy;
    }
}

// One band laid out for one record, in band coordinates, with its effective height.
struct BandInstance {
    const Band* band;
    std::vector<PlacedElement> elements;
    Mm height;
};

BandInstance layOutBand(const Band& band, const QHash<QString, QString>* record) {
    BandInstance instance{&band, {}, band.height};
    Mm needed;
    bool stretched = false;
    for (const Element& e : band.elements) {
        if (e.kind == ElementKind::PositioningPicture)
            continue; // only served to place the elements; never printed
        instance.elements.push_back(place(e, record));
        needed = max(needed, instance.elements.back().box.bottom());
        if (e.autoStretch && instance.elements.back().box.bottom() > band.height)
            stretched = true;
    }
    if (stretched)
        instance.height = max(band.height, needed);
    if (instance.height <= Mm(0))
        instance.height = needed > Mm(0) ? needed : kMinimalBandHeight;
    return instance;
}

class PageBuilder {
public:
    PageBuilder(const PageSetup& setup, Report& report) : m_setup(setup), m_report(report) {
        const int n = std::max(1, setup.columns);
        m_columns = n;
        m_columnWidth =
            (setup.width - setup.leftMargin - setup.rightMargin - setup.columnSpacing * double(n - 1)) /
            double(n);
        m_bottom = setup.length - setup.bottomMargin;
        m_noRoom = m_columnWidth <= Mm(0) || m_bottom <= setup.topMargin;
    }

    // Places the bands printed for one record.
    void add(std::vector<BandInstance>&& bands) {
        if (m_noRoom) {
            // No column has room: each record gets a page of its own, from the top margin.
            newPage();
            for (BandInstance& b : bands)
                put(b);
            return;
        }
        for (BandInstance& b : bands) {
            if (m_report.pages.empty())
                newPage();
            else if (m_bandsInColumn > 0 && m_y + b.height > m_bottom)
                nextColumn();
            put(b);
        }
    }

private:
    void newPage() {
        m_report.pages.push_back(Page{m_setup.width, m_setup.length, {}});
        m_column = 0;
        m_y = m_setup.topMargin;
        m_bandsInColumn = 0;
    }

    void nextColumn() {
        if (++m_column >= m_columns) {
            newPage();
            return;
        }
        m_y = m_setup.topMargin;
        m_bandsInColumn = 0;
    }

    void put(BandInstance& b) {
        const Mm x = m_setup.leftMargin + (m_columnWidth + m_setup.columnSpacing) * double(m_column);
        PlacedBand placed{
            b.band->name, {x, m_y, max(m_columnWidth, Mm(0)), b.height}, !b.band->transparent, {}};
        placed.elements = std::move(b.elements);
        for (PlacedElement& e : placed.elements)
            shift(e, x, m_y);
        m_report.pages.back().bands.push_back(std::move(placed));
        m_y += b.height;
        ++m_bandsInColumn;
    }

    const PageSetup& m_setup;
    Report& m_report;
    int m_columns = 1;
    Mm m_columnWidth;
    Mm m_bottom;
    bool m_noRoom = false;
    int m_column = 0;
    Mm m_y;
    int m_bandsInColumn = 0;
};

std::vector<BandInstance> layOutRecord(const Layout& layout, const QHash<QString, QString>* record) {
    std::vector<BandInstance> bands;
    for (const Band& band : layout.bands())
        bands.push_back(layOutBand(band, record));
    return bands;
}

} // namespace

QStringList breakLines(const QString& text, const FontSpec& font, Mm width) {
    QStringList lines;
    for (const QString& paragraph : withoutLineFeeds(text).split(QChar('\r')))
        breakParagraph(paragraph, font, width, lines);
    return lines;
}

Report prepare(const Layout& layout, const data::RecordSource* records) {
    const PageSetup& setup = layout.page();
    Report report;
    report.window = layout.windowName();
    report.pageWidth = setup.width;
    report.pageLength = setup.length;
    report.orientation = setup.orientation;
    report.zoom = layout.previewZoom();

    PageBuilder builder(setup, report);
    bool printed = false;
    if (layout.isBound() && records) {
        const QStringList fields = layout.boundFields();
        QHash<QString, QString> record;
        records->forEachRecord(fields, [&](const QStringList& values) {
            for (qsizetype i = 0; i < fields.size(); ++i)
                record.insert(fields[i], i < values.size() ? values[i] : QString());
            builder.add(layOutRecord(layout, &record));
            printed = true;
        });
    }
    if (!printed)
        builder.add(layOutRecord(layout, nullptr));
    return report;
}

} // namespace kartella::printing
