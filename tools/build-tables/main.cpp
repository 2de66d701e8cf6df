// Builds the table files of a new program directory from maintained reference packages:
//   kartella-build-tables OUTDIR POSTAL_PACKAGE_DIR ISO_3166_JSON ISO_3166_HU_MO
// Irsz and Orsz are always written anew (an update may replace them); Partner, Felado and
// Config hold the user's data and are created only where they do not exist yet.
#include "data/table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

#include <cstdio>
#include <set>
#include <stdexcept>

using namespace kartella::data;

namespace {

QJsonArray readJsonArray(const QString& path, const QString& member = {}) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        throw std::runtime_error(path.toStdString() + ": " + error.errorString().toStdString());
    return member.isEmpty() ? document.array() : document.object().value(member).toArray();
}

// Postal codes with their settlements: every pair of the national list plus every distinct
// code of the large cities' street lists under the city's name, sorted by code, then name.
QList<QStringList> postalCodes(const QDir& package) {
    std::set<std::pair<QString, QString>> pairs;
    for (const QJsonValue& entry : readJsonArray(package.filePath("postal-codes.json"))) {
        const QJsonObject o = entry.toObject();
        pairs.emplace(QString::number(o.value("zip").toInt()), o.value("city").toString());
    }
    const QList<std::pair<QString, QString>> cities{
        {"budapest.json", "Budapest"}, {"debrecen.json", "Debrecen"}, {"gyor.json", "Győr"},
        {"miskolc.json", "Miskolc"},   {"pecs.json", "Pécs"},         {"szeged.json", "Szeged"}};
    for (const auto& [file, city] : cities)
        for (const QJsonValue& entry : readJsonArray(package.filePath(file)))
            pairs.emplace(QString::number(entry.toObject().value("zip").toInt()), city);
    QList<QStringList> records;
    for (const auto& [code, settlement] : pairs)
        records.append({code, settlement, QString()}); // IRSZ, TELEP, TELK (no source for it)
    return records;
}

// The translations of a gettext catalogue (.mo), msgid -> msgstr.
QHash<QString, QString> readCatalogue(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    const QByteArray data = file.readAll();
    auto word = [&data](qsizetype at, bool little) -> quint32 {
        if (at < 0 || at + 4 > data.size())
            throw std::runtime_error("truncated catalogue");
        const auto* p = reinterpret_cast<const uchar*>(data.constData() + at);
        return little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
    };
    const bool little = word(0, true) == 0x950412de;
    if (!little && word(0, false) != 0x950412de)
        throw std::runtime_error(path.toStdString() + " is not a gettext catalogue");
    const quint32 count = word(8, little), originals = word(12, little), translations = word(16, little);
    auto string = [&](quint32 table, quint32 i) {
        const quint32 length = word(table + 8 * i, little), offset = word(table + 8 * i + 4, little);
        if (qsizetype(offset) + length > data.size())
            throw std::runtime_error("truncated catalogue");
        return QString::fromUtf8(data.constData() + offset, length);
    };
    QHash<QString, QString> result;
    for (quint32 i = 0; i < count; ++i)
        result.insert(string(originals, i), string(translations, i));
    return result;
}

// Countries by their Hungarian names: JEL the two-letter code, MEGNEV the name, KOD the numeric code.
QList<QStringList> countries(const QString& isoJson, const QString& huCatalogue) {
    const QHash<QString, QString> hungarian = readCatalogue(huCatalogue);
    QList<QStringList> records;
    for (const QJsonValue& entry : readJsonArray(isoJson, "3166-1")) {
        const QJsonObject o = entry.toObject();
        const QString name = o.value("name").toString();
        const QString translated = hungarian.value(name);
        records.append({o.value("alpha_2").toString(), translated.isEmpty() ? name : translated,
                        o.value("numeric").toString()});
    }
    return records;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr,
                     "usage: kartella-build-tables OUTDIR POSTAL_PACKAGE_DIR ISO_3166_JSON ISO_3166_HU_MO\n");
        return 2;
    }
    try {
        const QDir out(args[1]);
        QDir().mkpath(out.path());
        createTableFile(out.filePath("Irsz.db"), irszTable(), irszTable().password,
                        postalCodes(QDir(args[2])));
        createTableFile(out.filePath("Orsz.db"), orszTable(), orszTable().password,
                        countries(args[3], args[4]));
        for (const TableDef* user : {&partnerTable(), &feladoTable(), &configTable()})
            if (!QFile::exists(out.filePath(user->name + ".db")))
                createTableFile(out.filePath(user->name + ".db"), *user, user->password);
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
