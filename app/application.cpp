#include "app/application.h"

#include "app/tform1.h"
#include "data/database_error.h"
#include "ui/message_dialogs.h"

#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

namespace kartella {

KartellaApplication::KartellaApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void reportError(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const data::SilentAbort&) {
    } catch (const data::DatabaseError& e) {
        dialogs().errorReport(e.text());
    } catch (const std::exception& e) {
        dialogs().errorReport(QString::fromUtf8(e.what()));
    } catch (...) {
        dialogs().errorReport(QStringLiteral("Ismeretlen hiba történt !"));
    }
}

bool KartellaApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportError(std::current_exception());
        return false;
    }
}

int runKartella(int argc, char** argv, std::function<void(TForm1&)> onShown) {
    KartellaApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kartella"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kartella"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0.0"));
    // The user interface is Hungarian whatever the desktop's language: Qt's own buttons and
    // dialogs too ("Igen", "Nem", the print and file dialogs).
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Hungarian, QLocale::Hungary), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    // The windows are designed in Segoe UI and MS Sans Serif; where they are missing, a face of
    // similar width stands in.
    for (const QString& family : {QStringLiteral("Segoe UI"), QStringLiteral("MS Sans Serif")})
        QFont::insertSubstitutions(family,
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});

    MessageDialogs messageDialogs;
    setDialogs(&messageDialogs);

    std::unique_ptr<TForm1> mainWindow;
    try {
        mainWindow = std::make_unique<TForm1>();
    } catch (...) {
        reportError(std::current_exception());
        return 1;
    }
    mainWindow->show();
    if (!mainWindow->started())
        return 1;
    if (onShown)
        QTimer::singleShot(0, mainWindow.get(), [&] { onShown(*mainWindow); });
    const int result = QApplication::exec();
    mainWindow.reset();
    setDialogs(nullptr);
    return result;
}

} // namespace kartella
