#pragma once
// A prepared report described as JSON, page by page: every element that prints with its kind,
// its final box on the sheet, its lines, its font (as the layout names it and as installed) and a
// check box's ticked state. kartella-render writes it; tests read it.

#include "printing/prepare.h"

#include <QJsonDocument>

namespace kartella::printing {

QJsonDocument describe(const Report& report);

} // namespace kartella::printing
