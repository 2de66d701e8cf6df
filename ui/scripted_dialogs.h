#pragma once

#include "ui/dialogs.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <functional>

namespace kartella {

// The seam for tests: records every message and window shown, answers questions from a
// queue (No when it is empty) and runs a script for each window shown, keyed by its
// objectName; a window without a script is shown and closed again at once.
class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        QString kind; // "notice", "ask", "information", "error"
        QString text;
        QString caption;
    };

    void notice(const QString& text, const QString& caption) override;
    bool ask(const QString& text, const QString& caption) override;
    void information(const QString& text) override;
    void errorReport(const QString& text) override;
    void showModal(QWidget& window) override;
    void showAndWait(QWidget& window) override;

    void answer(bool yes) { m_answers.append(yes); }
    void onShow(const QString& windowName, std::function<void(QWidget&)> script) {
        m_scripts.insert(windowName, std::move(script));
    }

    QList<Message> messages;
    QStringList shownWindows;

private:
    void show(QWidget& window);
    QList<bool> m_answers;
    QHash<QString, std::function<void(QWidget&)>> m_scripts;
};

} // namespace kartella
