#include "ui/scripted_dialogs.h"

#include <QWidget>

namespace kartella {

void ScriptedDialogs::notice(const QString& text, const QString& caption) {
    messages.append({"notice", text, caption});
}

bool ScriptedDialogs::ask(const QString& text, const QString& caption) {
    messages.append({"ask", text, caption});
    return m_answers.isEmpty() ? false : m_answers.takeFirst();
}

void ScriptedDialogs::information(const QString& text) {
    messages.append({"information", text, {}});
}

void ScriptedDialogs::errorReport(const QString& text) {
    messages.append({"error", text, {}});
}

void ScriptedDialogs::showModal(QWidget& window) {
    show(window);
}

void ScriptedDialogs::showAndWait(QWidget& window) {
    show(window);
}

void ScriptedDialogs::show(QWidget& window) {
    shownWindows.append(window.objectName());
    window.show();
    if (auto script = m_scripts.value(window.objectName()))
        script(window);
    window.hide();
}

} // namespace kartella
