#include "ui/form_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>

namespace kartella {

namespace {
Qt::WindowFlags flagsFor(FormWindow::Border border) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                            Qt::MSWindowsFixedSizeDialogHint;
    if (border == FormWindow::Border::Minimizable)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}
} // namespace

FormWindow::FormWindow(const char* name, const QString& caption, QSize clientArea, Border border,
                       QWidget* parent)
    : QDialog(parent, flagsFor(border)) {
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    setFont(QFont(QStringLiteral("Segoe UI"), 9));
    setFixedSize(clientArea);
    setSizeGripEnabled(false);
}

void FormWindow::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
    QDialog::showEvent(event);
}

namespace build {

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect box) {
    auto* b = named(new QPushButton(caption, parent), name);
    b->setGeometry(box);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* edit(QWidget* parent, const char* name, QRect box, int maxLength) {
    auto* e = named(new QLineEdit(parent), name);
    e->setGeometry(box.x(), box.y(), box.width(), box.height() > 0 ? box.height() : 23);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

QComboBox* comboBox(QWidget* parent, const char* name, QRect box, const QStringList& items) {
    auto* c = named(new QComboBox(parent), name);
    // No completion: what the user types stays exactly as typed (a picker matches names exactly,
    // and Qt's default completer would turn "kiss" into a stored "Kiss Anna"). A line edit that
    // brings a bare completer of its own also spares building the default one over the list.
    auto* line = new QLineEdit(c);
    line->setCompleter(new QCompleter(line));
    c->setLineEdit(line);
    c->setCompleter(nullptr);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setGeometry(box.x(), box.y(), box.width(), box.height() > 0 ? box.height() : 23);
    c->addItems(items);
    c->setCurrentIndex(-1);
    c->clearEditText();
    return c;
}

QCheckBox* checkBox(QWidget* parent, const char* name, QPoint at, const QString& caption) {
    auto* c = named(new QCheckBox(caption, parent), name);
    c->move(at);
    c->adjustSize();
    if (caption.isEmpty())
        c->resize(17, 17);
    return c;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, QPoint at) {
    auto* l = named(new QLabel(caption, parent), name);
    l->move(at);
    l->adjustSize();
    return l;
}

QDateEdit* datePicker(QWidget* parent, const char* name, QRect box) {
    auto* d = named(new QDateEdit(QDate::currentDate(), parent), name);
    d->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    d->setCalendarPopup(true);
    d->setGeometry(box.x(), box.y(), box.width(), box.height() > 0 ? box.height() : 23);
    return d;
}

QFrame* panel(QWidget* parent, const char* name, QRect box) {
    auto* p = named(new QFrame(parent), name);
    p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    p->setGeometry(box);
    return p;
}

void tabOrder(const QList<QWidget*>& controls) {
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

} // namespace build

} // namespace kartella
