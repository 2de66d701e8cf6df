#include "app/shell.h"

#include "ui/dialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

namespace kartella::shell {

namespace {
UrlOpener urlOpener;
ProgramStarter programStarter;
} // namespace

bool openUrl(const QString& address) {
    if (urlOpener)
        return urlOpener(address);
    const QUrl url = QUrl::fromUserInput(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool startProgram(const QString& program, const QStringList& arguments) {
    if (programStarter)
        return programStarter(program, arguments);
    return QProcess::startDetached(program, arguments, QDir::currentPath());
}

void setUrlOpener(UrlOpener opener) {
    urlOpener = std::move(opener);
}

void setProgramStarter(ProgramStarter starter) {
    programStarter = std::move(starter);
}

void openLink(const QString& programDirectory, const QString& address) {
    QDir::setCurrent(programDirectory); // a failure is of no consequence here
    if (!openUrl(address))
        dialogs().notice(QStringLiteral("Nincs Internet böngésző program !!!"),
                         QStringLiteral("Hiba történt:"));
}

} // namespace kartella::shell
