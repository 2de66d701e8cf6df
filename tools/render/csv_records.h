#pragma once
// Records from a UTF-8 CSV file standing in for a table: a header line naming the fields, then one
// record per line in table order. Fields may be quoted ("..."), with "" for a quote inside; a quoted
// field may hold commas and line breaks.

#include "data/record_source.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kartella::render {

class CsvRecords : public data::RecordSource {
public:
    // Reads the file; false, with the reason in *error, when it cannot be read or is malformed.
    bool load(const QString& path, QString* error);
    bool parse(const QString& text, QString* error);

    const QStringList& header() const { return m_header; }
    qsizetype size() const { return qsizetype(m_rows.size()); }

    void forEachRecord(const QStringList& fields,
                       const std::function<void(const QStringList& values)>& visit) const override;

private:
    QStringList m_header;
    std::vector<QStringList> m_rows;
};

} // namespace kartella::render
