#pragma once

#include <QApplication>
#include <functional>

namespace kartella {

class TForm1;

// The application object: its notify override is the one standard error report for every
// error that no handler caught; the action that raised it ends there.
class KartellaApplication : public QApplication {
public:
    KartellaApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Reports an exception through the dialog seam (nothing for an abandoned action).
void reportError(std::exception_ptr error);

// The whole program: start-up, the main window, the message loop. onShown, if given, runs once
// the main window is on screen (used by the start-up benchmark).
int runKartella(int argc, char** argv, std::function<void(TForm1&)> onShown = {});

} // namespace kartella
