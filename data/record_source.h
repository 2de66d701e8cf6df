#pragma once

#include <QStringList>
#include <functional>

namespace kartella::data {

// Records in a fixed order, as a bound print layout reads them: a table under its current
// index and filter, or a stand-in such as a CSV file.
class RecordSource {
public:
    virtual ~RecordSource() = default;
    // Calls visit once per visible record, in order, with the values of the named fields
    // (an unknown field gives an empty value).
    virtual void forEachRecord(const QStringList& fields,
                               const std::function<void(const QStringList& values)>& visit) const = 0;
};

} // namespace kartella::data
