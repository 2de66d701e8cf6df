#include "ui/message_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace kartella {

namespace {

QMessageBox::StandardButton showBox(const QString& caption, const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, buttons, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// Ends a nested event loop when the watched window is hidden (closed).
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget& window, QEventLoop& loop) : m_loop(loop) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            m_loop.quit();
        return false;
    }

private:
    QEventLoop& m_loop;
};

void runUntilHidden(QWidget& window) {
    QEventLoop loop;
    HideWatcher watcher(window, loop);
    QPointer<QWidget> guard(&window);
    window.show();
    window.raise();
    window.activateWindow();
    if (guard && guard->isVisible())
        loop.exec();
    if (guard)
        guard->removeEventFilter(&watcher);
}

} // namespace

void MessageDialogs::notice(const QString& text, const QString& caption) {
    showBox(caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageDialogs::ask(const QString& text, const QString& caption) {
    return showBox(caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

void MessageDialogs::information(const QString& text) {
    showBox(QApplication::applicationDisplayName(), text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageDialogs::errorReport(const QString& text) {
    showBox(QApplication::applicationDisplayName(), text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageDialogs::showModal(QWidget& window) {
    if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        dialog->exec();
        return;
    }
    const Qt::WindowModality previous = window.windowModality();
    window.setWindowModality(Qt::ApplicationModal);
    runUntilHidden(window);
    window.setWindowModality(previous);
}

void MessageDialogs::showAndWait(QWidget& window) {
    const Qt::WindowModality previous = window.windowModality();
    window.setWindowModality(Qt::NonModal);
    runUntilHidden(window);
    window.setWindowModality(previous);
}

} // namespace kartella
