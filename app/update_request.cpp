#include "app/update_request.h"

#include "app/maker.h"

#include <QDir>
#include <QSaveFile>
#include <stdexcept>

namespace kartella {

QByteArray uuencodeLine(const QByteArray& plain) {
    auto character = [](int value) { return char(value == 0 ? '`' : 32 + value); };
    QByteArray line;
    line += character(int(plain.size()));
    for (qsizetype i = 0; i < plain.size(); i += 3) {
        const qsizetype left = plain.size() - i;
        const auto b0 = uchar(plain[i]);
        const auto b1 = uchar(left > 1 ? plain[i + 1] : 0);
        const auto b2 = uchar(left > 2 ? plain[i + 2] : 0);
        line += character(b0 >> 2);
        line += character(((b0 & 3) << 4) | (b1 >> 4));
        line += left > 1 ? character(((b1 & 15) << 2) | (b2 >> 6)) : '`';
        line += left > 2 ? character(b2 & 63) : '`';
    }
    return line;
}

QList<QByteArray> updateRequestLines() {
    return {"PROGRAM NAME    : Kartella",
            QByteArray("PROGRAM VERSION : ") + maker::version,
            QByteArray("PROGRAM TYPE    : ") + maker::programType,
            "SERVER DIR      : anon_ftp/updatesb",
            "SERVER INF FILE : upd-kartella.cfg",
            "AFTER RUN       : Kartella.exe",
            "PROXY USING     : 0",
            "PROXY HOST      : Nil",
            "PROXY USER      : Nil",
            "PROXY PASSWORD  : Nil",
            "PROXY PORT      : Nil",
            "PROXY TYPE      : Nil"};
}

void writeUpdateRequest(const QString& directory) {
    const QString path = QDir(directory).absoluteFilePath(QStringLiteral("update.nfo"));
    // Written whole or not at all: the updater never reads a half-written request.
    QSaveFile file(path);
    QByteArray content;
    for (const QByteArray& line : updateRequestLines())
        content += uuencodeLine(line) + "\r\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        throw std::runtime_error(QStringLiteral("Az update.nfo állomány nem írható: %1 (%2)")
                                     .arg(QDir::toNativeSeparators(path), file.errorString())
                                     .toStdString());
}

QString updaterProgram() {
#ifdef _WIN32
    return QStringLiteral("Update.exe");
#else
    return QStringLiteral("Update");
#endif
}

} // namespace kartella
