#include "tools/render/csv_records.h"

#include <QFile>

namespace kartella::render {

bool CsvRecords::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return parse(QString::fromUtf8(file.readAll()), error);
}

bool CsvRecords::parse(const QString& input, QString* error) {
    QString text = input;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    std::vector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false, fieldStarted = false;
    int line = 1;
    auto endField = [&] {
        row.append(field);
        field.clear();
        fieldStarted = false;
    };
    auto endRow = [&] {
        endField();
        if (!(row.size() == 1 && row.front().isEmpty()))
            rows.push_back(row); // blank lines are skipped
        row.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QChar('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QChar('"')) {
                    field.append(c);
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QChar('\n'))
                    ++line;
                field.append(c);
            }
        } else if (c == QChar('"') && !fieldStarted) {
            quoted = fieldStarted = true;
        } else if (c == QChar(',')) {
            endField();
        } else if (c == QChar('\r') && i + 1 < text.size() && text.at(i + 1) == QChar('\n')) {
            continue; // CR LF ends the line at the LF
        } else if (c == QChar('\n')) {
            endRow();
            ++line;
        } else {
            field.append(c);
            fieldStarted = true;
        }
    }
    if (quoted) {
        *error = QStringLiteral("lezáratlan idézőjel a(z) %1. sorban").arg(line);
        return false;
    }
    if (fieldStarted || !row.isEmpty() || !field.isEmpty())
        endRow();
    if (rows.empty()) {
        *error = QStringLiteral("hiányzik a mezőneveket tartalmazó első sor");
        return false;
    }
    m_header = rows.front();
    for (QString& name : m_header)
        name = name.trimmed();
    m_rows.assign(rows.begin() + 1, rows.end());
    return true;
}

void CsvRecords::forEachRecord(const QStringList& fields,
                               const std::function<void(const QStringList& values)>& visit) const {
    std::vector<qsizetype> columns;
    for (const QString& f : fields)
        columns.push_back(m_header.indexOf(f));
    QStringList values;
    for (const QStringList& row : m_rows) {
        values.clear();
        for (qsizetype c : columns)
            values.append(c >= 0 && c < row.size() ? row[c] : QString());
        visit(values);
    }
}

} // namespace kartella::render
