#pragma once
// Records held in memory, standing in for a table in the page-generation tests.

#include "data/record_source.h"

#include <QStringList>
#include <vector>

namespace kartella::testing {

class MemoryRecords : public data::RecordSource {
public:
    explicit MemoryRecords(QStringList header) : m_header(std::move(header)) {}
    void add(QStringList row) { m_rows.push_back(std::move(row)); }

    // n partner-like records "Név 1", "Név 2", ...
    static MemoryRecords partners(int n) {
        MemoryRecords records({"NEV", "IRSZ", "TELEP", "CIM"});
        for (int i = 1; i <= n; ++i)
            records.add({QStringLiteral("Név %1").arg(i), QString::number(1000 + i), QStringLiteral("Győr"),
                         QStringLiteral("Fő utca %1.").arg(i)});
        return records;
    }

    void forEachRecord(const QStringList& fields,
                       const std::function<void(const QStringList& values)>& visit) const override {
        for (const QStringList& row : m_rows) {
            QStringList values;
            for (const QString& f : fields) {
                const qsizetype c = m_header.indexOf(f);
                values.append(c >= 0 ? row.value(c) : QString());
            }
            visit(values);
        }
    }

private:
    QStringList m_header;
    std::vector<QStringList> m_rows;
};

} // namespace kartella::testing
