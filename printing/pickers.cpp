#include "printing/pickers.h"

#include "data/table.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <stdexcept>
#include <vector>

namespace kartella::printing {

namespace {

const QString nameField = QStringLiteral("NEV");
const QString postalCodeField = QStringLiteral("IRSZ");
const QString settlementField = QStringLiteral("TELEP");

// Locates the first record whose field equals the text and copies the named field of that
// record into the target control.
bool lookUp(data::Table& table, const QString& field, const QString& text, const QString& wanted,
            QWidget& target) {
    if (!table.locate(field, text))
        return false;
    setFieldText(target, table.fieldAsText(wanted));
    return true;
}

bool takesTabFocus(const QWidget& w, const QWidget& window) {
    return (w.focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w.focusProxy() && w.isEnabled() &&
           w.isVisibleTo(&window) && w.window() == &window;
}

class EnterFilter : public QObject {
public:
    explicit EnterFilter(QWidget& field) : QObject(&field), m_field(&field) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_field || event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        QPointer<QWidget> field = m_field;
        focusNextControl(*field);
        if (!field)
            return true;
        // The field still receives the key, but only the field: left to Qt's usual delivery, a
        // key the field ignores would travel on to its parents, where a dialog takes Enter as a
        // click on its default button (the control that just received the focus, if it is a
        // push button) and the same keystroke would both move on and act.
        static_cast<QObject*>(field.data())->event(event);
        event->accept();
        return true;
    }

private:
    QPointer<QWidget> m_field;
};

// One per control, so that several exit handlers run in the order they were installed
// (Qt runs a widget's event filters newest first).
class ExitFilter : public QObject {
public:
    static constexpr const char* name = "kartella-exit-filter";

    explicit ExitFilter(QWidget& control) : QObject(&control), m_control(&control) {
        setObjectName(QLatin1String(name));
        control.installEventFilter(this);
    }

    static ExitFilter& of(QWidget& control) {
        for (QObject* child : control.findChildren<QObject*>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            if (auto* filter = dynamic_cast<ExitFilter*>(child))
                return *filter;
        return *new ExitFilter(control);
    }

    void add(std::function<void()> handler) { m_handlers.push_back(std::move(handler)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_control || event->type() != QEvent::FocusOut)
            return false;
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::PopupFocusReason:        // its own drop-down list opened
        case Qt::ActiveWindowFocusReason: // another window or a message box came to the front
        case Qt::MenuBarFocusReason:
            return false;
        default:
            break;
        }
        // By the time the control hears of it, the focus has gone to its new holder. A holder in
        // another window (the control's own drop-down list, a completer's popup) or inside the
        // control means the user has not moved to another control of this window.
        if (const QWidget* holder = QApplication::focusWidget())
            if (holder->window() != m_control->window() || m_control->isAncestorOf(holder))
                return false;
        // A handler may add further handlers; those run from the next exit on.
        const auto handlers = m_handlers;
        for (const auto& handler : handlers)
            handler();
        return false;
    }

private:
    QWidget* m_control;
    std::vector<std::function<void()>> m_handlers;
};

} // namespace

QString fieldText(const QWidget& field) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&field))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(&field))
        return combo->currentText();
    throw std::logic_error("fieldText: " + field.objectName().toStdString() +
                           " is neither a line edit nor a combo box");
}

void setFieldText(QWidget& field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(&field)) {
        edit->setText(text);
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(&field)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentText(text);
        return;
    }
    throw std::logic_error("setFieldText: " + field.objectName().toStdString() +
                           " is neither a line edit nor a combo box");
}

void fillPicker(QComboBox& picker, data::Table& table) {
    // The names are read in full before the picker is touched, so that a database error
    // leaves the picker as it was.
    QStringList names;
    for (table.first(); !table.eof(); table.next())
        names.append(table.fieldAsText(nameField));
    picker.setCurrentIndex(-1);
    picker.clearEditText();
    picker.clear();
    picker.addItems(names);
    // Adding items to an empty list selects the first one; the picker starts with nothing
    // selected and no text.
    picker.setCurrentIndex(-1);
    picker.clearEditText();
}

std::optional<PartyRecord> leavePicker(const QComboBox& picker, data::Table& table) {
    const QString name = picker.currentText();
    if (name.isEmpty() || !table.locate(nameField, name))
        return std::nullopt;
    return PartyRecord{table.fieldAsText(nameField), table.fieldAsText(QStringLiteral("ORSZ")),
                       table.fieldAsText(postalCodeField), table.fieldAsText(settlementField),
                       table.fieldAsText(QStringLiteral("CIM"))};
}

bool postalCodeLookup(const QWidget& codeField, QWidget& settlementFieldWidget, data::Table& irsz) {
    return lookUp(irsz, postalCodeField, fieldText(codeField), settlementField, settlementFieldWidget);
}

bool settlementLookup(const QWidget& settlementFieldWidget, QWidget& codeField, data::Table& irsz) {
    return lookUp(irsz, settlementField, fieldText(settlementFieldWidget), postalCodeField, codeField);
}

bool postalCodeKeySearch(const QWidget& codeField, QWidget& settlementFieldWidget, data::Table& irsz) {
    const QString code = fieldText(codeField);
    bool found = false;
    try {
        irsz.first();
        irsz.setIndex(postalCodeField);
        found = irsz.findKey(code);
    } catch (const data::DatabaseError&) {
        dialogs().notice(QStringLiteral("Hiba történt !!!"), QStringLiteral("Település állomány:"));
        return false;
    }
    if (found)
        setFieldText(settlementFieldWidget, irsz.fieldAsText(settlementField));
    return found;
}

QWidget* focusNextControl(QWidget& from) {
    QWidget* window = from.window();
    for (QWidget* w = from.nextInFocusChain(); w && w != &from; w = w->nextInFocusChain()) {
        if (takesTabFocus(*w, *window)) {
            w->setFocus(Qt::TabFocusReason);
            return w;
        }
    }
    return nullptr;
}

void enterAdvances(QWidget& field) {
    field.installEventFilter(new EnterFilter(field));
}

void onExit(QWidget& control, std::function<void()> handler) {
    ExitFilter::of(control).add(std::move(handler));
}

} // namespace kartella::printing
