#pragma once
// Key/value settings kept in the Config table (fields A: key, B: value; index "A").

#include <QString>
#include <optional>

namespace kartella::data {

class Table;

class ConfigStore {
public:
    explicit ConfigStore(Table& config) : m_config(config) {}

    // The key's value, or nothing when the key is missing or its search failed.
    std::optional<QString> read(const QString& key);
    // Overwrites the key's record, or adds one when the key is missing or its search failed.
    void write(const QString& key, const QString& value);

private:
    bool findKey(const QString& key);
    Table& m_config;
};

} // namespace kartella::data
