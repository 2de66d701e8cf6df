#include "printing/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <cmath>
#include <memory>
#include <vector>

namespace kartella::printing {

namespace {

constexpr double kMmPerUnit = kMmPerPoint / kFontUnitsPerPoint;

struct CachedFont {
    FontSpec fontSpec;
    QFont font;
    QFontMetricsF metrics;
    FontMetricsMm mm;
    // Advances of the characters met so far, in font units. Text is drawn without kerning, so a
    // line's width is the sum of its characters' advances.
    QHash<char16_t, double> advances;

    double advance(QChar c) {
        auto it = advances.constFind(c.unicode());
        if (it == advances.constEnd())
            it = advances.insert(c.unicode(), metrics.horizontalAdvance(c));
        return *it;
    }
};

bool isBlackFamily(const QString& family) {
    return family.compare("Arial Black", Qt::CaseInsensitive) == 0;
}

CachedFont& cached(const FontSpec& fontSpec) {
    // A layout uses a handful of fonts: a short list searched from the last one used is quickest.
    static std::vector<std::unique_ptr<CachedFont>> cache;
    static CachedFont* last = nullptr;
    if (last && last->fontSpec == fontSpec)
        return *last;
    for (auto& entry : cache)
        if (entry->fontSpec == fontSpec)
            return *(last = entry.get());
    QFont font(installedFamily(fontSpec.family));
    font.setPixelSize(std::max(1, int(std::lround(fontSpec.pointSize * kFontUnitsPerPoint))));
    const bool black = isBlackFamily(fontSpec.family);
    if (black && font.family() != QLatin1String("Arial Black"))
        font.setWeight(QFont::Black);
    else
        font.setWeight(fontSpec.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(fontSpec.italic);
    font.setUnderline(fontSpec.underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferOutline | QFont::PreferQuality | QFont::PreferNoShaping));
    font.setKerning(false);
    QFontMetricsF metrics(font);
    FontMetricsMm mm{Mm(metrics.ascent() * kMmPerUnit), Mm(metrics.descent() * kMmPerUnit), {}};
    mm.lineHeight = mm.ascent + mm.descent;
    cache.push_back(std::make_unique<CachedFont>(CachedFont{fontSpec, font, metrics, mm, {}}));
    return *(last = cache.back().get());
}

} // namespace

QString installedFamily(const QString& layoutFamily) {
    static QHash<QString, QString> resolved;
    if (auto it = resolved.constFind(layoutFamily); it != resolved.constEnd())
        return *it;
    QString family = layoutFamily;
    if (!QFontDatabase::hasFamily(layoutFamily)) {
        if (layoutFamily.compare("Arial Narrow", Qt::CaseInsensitive) == 0)
            family = QStringLiteral("Liberation Sans Narrow");
        else
            family = QStringLiteral("Liberation Sans"); // Arial, Arial Black and anything unknown
    }
    resolved.insert(layoutFamily, family);
    return family;
}

const QFont& unitFont(const FontSpec& fontSpec) {
    return cached(fontSpec).font;
}

const FontMetricsMm& fontMetrics(const FontSpec& fontSpec) {
    return cached(fontSpec).mm;
}

Mm textWidth(const FontSpec& fontSpec, const QString& text) {
    if (text.isEmpty())
        return Mm(0);
    CachedFont& font = cached(fontSpec);
    double units = 0;
    for (const QChar c : text) {
        // Characters that combine with their neighbours are measured with the whole text.
        if (c.isSurrogate() || c.isMark() || c.category() == QChar::Other_Format)
            return Mm(font.metrics.horizontalAdvance(text) * kMmPerUnit);
        units += font.advance(c);
    }
    return Mm(units * kMmPerUnit);
}

} // namespace kartella::printing
