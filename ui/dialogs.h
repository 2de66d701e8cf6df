#pragma once
// The one seam through which every message box, modal window and preview is shown.
// The program installs the real implementation (message boxes, nested event loops);
// tests install a scripted one that records what was asked and answers it.

#include <QString>

class QWidget;

namespace kartella {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A notice with one OK button, e.g. "Hiba történt !!!" captioned "Config állomány:".
    virtual void notice(const QString& text, const QString& caption) = 0;
    // A Yes/No question; true only for Yes.
    virtual bool ask(const QString& text, const QString& caption) = 0;
    // A plain information box with one OK button, titled with the application's title.
    virtual void information(const QString& text) = 0;
    // The standard error report for an error that nothing caught.
    virtual void errorReport(const QString& text) = 0;

    // Shows a window modally and returns when it has been closed (hidden).
    virtual void showModal(QWidget& window) = 0;
    // Shows an ordinary (non-modal) window and returns when it has been closed,
    // keeping the rest of the user interface usable meanwhile.
    virtual void showAndWait(QWidget& window) = 0;
};

// The installed implementation; the program and each test install one before any window acts.
Dialogs& dialogs();
void setDialogs(Dialogs* implementation);

} // namespace kartella
