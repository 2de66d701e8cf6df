#pragma once
// The request file handed to the external updater: twelve uuencoded lines, CR LF after each.

#include <QByteArray>
#include <QList>
#include <QString>

namespace kartella {

// One line in the common uuencode form: a length character, then four characters per three
// bytes, with the back-quote standing for the value 0. Lines of 1 to 45 bytes.
QByteArray uuencodeLine(const QByteArray& plain);

// The twelve plain lines of the request.
QList<QByteArray> updateRequestLines();

// Writes update.nfo into the directory, replacing any earlier one; throws std::runtime_error
// with a Hungarian text when the file cannot be written.
void writeUpdateRequest(const QString& directory);

// The updater's file name in the program directory.
QString updaterProgram();

} // namespace kartella
