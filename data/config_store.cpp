#include "data/config_store.h"

#include "data/table.h"
#include "ui/dialogs.h"

namespace kartella::data {

bool ConfigStore::findKey(const QString& key) {
    try {
        m_config.first();
        m_config.setIndex(QStringLiteral("A"));
        return m_config.findKey(key);
    } catch (const DatabaseError&) {
        dialogs().notice(QStringLiteral("Hiba történt !!!"), QStringLiteral("Config állomány:"));
        return false;
    }
}

std::optional<QString> ConfigStore::read(const QString& key) {
    if (!findKey(key))
        return std::nullopt;
    return m_config.fieldAsText(QStringLiteral("B"));
}

void ConfigStore::write(const QString& key, const QString& value) {
    if (m_config.recordCount() == 0)
        m_config.insert();
    else if (findKey(key))
        m_config.edit();
    else
        m_config.insert();
    m_config.setFieldAsText(QStringLiteral("A"), key);
    m_config.setFieldAsText(QStringLiteral("B"), value);
    m_config.post();
}

} // namespace kartella::data
