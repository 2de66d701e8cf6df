#pragma once

#include "ui/dialogs.h"

namespace kartella {

// The real seam: message boxes without icons, windows shown in nested event loops.
class MessageDialogs : public Dialogs {
public:
    void notice(const QString& text, const QString& caption) override;
    bool ask(const QString& text, const QString& caption) override;
    void information(const QString& text) override;
    void errorReport(const QString& text) override;
    void showModal(QWidget& window) override;
    void showAndWait(QWidget& window) override;
};

} // namespace kartella
