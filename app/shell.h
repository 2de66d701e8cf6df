#pragma once
// Opening web addresses and starting programs through the desktop, replaceable by tests.

#include <QString>
#include <QStringList>
#include <functional>

namespace kartella::shell {

// Each returns false when nothing could be started.
using UrlOpener = std::function<bool(const QString& address)>;
using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;

bool openUrl(const QString& address);
bool startProgram(const QString& program, const QStringList& arguments);
void setUrlOpener(UrlOpener opener); // an empty one restores the desktop's
void setProgramStarter(ProgramStarter starter);

// A link label's click: make the program directory current, open the address, and say so
// when no web browser could be started.
void openLink(const QString& programDirectory, const QString& address);

} // namespace kartella::shell
