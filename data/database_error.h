#pragma once

#include <QString>
#include <stdexcept>

namespace kartella::data {

// The one kind of error the table layer raises; its text is meant for the user.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// Ends the current user action without any message (the user chose to abandon it).
class SilentAbort : public std::exception {
public:
    const char* what() const noexcept override { return "action abandoned"; }
};

} // namespace kartella::data
