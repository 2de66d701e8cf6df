#include "printing/fill.h"

#include "printing/layout_window.h"
#include "printing/pickers.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLocale>
#include <QWidget>
#include <stdexcept>

namespace kartella::printing {

QString shortDate(const QDate& date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

void copyControls(const QWidget& window, LayoutWindow& layout, std::initializer_list<ElementCopy> copies) {
    for (const ElementCopy& copy : copies) {
        const auto* control = window.findChild<QWidget*>(QLatin1String(copy.control));
        if (!control)
            throw std::logic_error(std::string("no control ") + copy.control + " in " +
                                   window.objectName().toStdString());
        if (const auto* box = qobject_cast<const QCheckBox*>(control))
            layout.setTicked(copy.element, box->isChecked());
        else if (const auto* date = qobject_cast<const QDateEdit*>(control))
            layout.setText(copy.element, shortDate(date->date()));
        else
            layout.setText(copy.element, fieldText(*control));
    }
}

} // namespace kartella::printing
