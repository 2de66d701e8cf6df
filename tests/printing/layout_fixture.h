#pragma once
// Small layouts written in the tests themselves: one band on a blank custom page.

#include "printing/layout.h"

#include <QString>

namespace kartella::testing {

// A 200 x 200 mm custom page without margins, one transparent band 200 mm high holding the given
// elements (a JSON array's contents).
inline printing::Layout bandLayout(const QString& elements, const QString& extraPage = {}) {
    const QString json = QStringLiteral(R"({"window": "TFormTest",
        "page": {"orientation": "portrait", "paper": "custom", "width": 200, "length": 200 %1},
        "bands": [{"name": "DetailBand1", "height": 200, "transparent": true, "elements": [%2]}]})")
                             .arg(extraPage, elements);
    return printing::Layout::fromJson(json.toUtf8());
}

} // namespace kartella::testing
