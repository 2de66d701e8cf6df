#pragma once
// Fonts as they are measured and drawn. Lines and widths are decided once, from metrics taken at a
// fixed high resolution (1/100 point per unit) with hinting off, so the preview, the PDF and the
// printer show the same lines whatever their own resolution.

#include "printing/layout.h"
#include "printing/length.h"

#include <QFont>
#include <QString>

namespace kartella::printing {

// Font units per point: text is measured and drawn with a font of pointSize x this many pixels,
// in a coordinate system where one unit is 1/kUnitsPerPoint point.
inline constexpr int kFontUnitsPerPoint = 10;

// The installed family that stands in for a layout's family: the family itself when installed,
// otherwise Liberation Sans for Arial, Liberation Sans Narrow for Arial Narrow and a bold Liberation
// Sans for Arial Black.
QString installedFamily(const QString& layoutFamily);

// The font in measuring units (pixel size = pointSize x kFontUnitsPerPoint).
const QFont& unitFont(const FontSpec& fontSpec);

struct FontMetricsMm {
    Mm ascent;
    Mm descent;
    Mm lineHeight; // ascent + descent: lines follow each other at this distance
};

const FontMetricsMm& fontMetrics(const FontSpec& fontSpec);
Mm textWidth(const FontSpec& fontSpec, const QString& text);

} // namespace kartella::printing
