#pragma once
// Every window of the program, created once at start in a fixed order and kept for the whole
// run. A window whose class is not part of the program yet is simply absent, and the main
// menu disables the items that would open it.

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QWidget;

namespace kartella::data {
struct Database;
}
namespace kartella::printing {
class LayoutWindow;
}

namespace kartella {

class Windows {
public:
    explicit Windows(data::Database& database);
    ~Windows();

    // The creation order after the main window.
    static const QStringList& creationOrder();

    QWidget* window(const QString& name) const;
    printing::LayoutWindow* layout(const QString& name) const;
    // As above, for a window the program cannot work without: its absence is a programming error.
    QWidget& requireWindow(const QString& name) const;
    printing::LayoutWindow& requireLayout(const QString& name) const;
    QStringList created() const;

private:
    struct Entry {
        QString name;
        std::unique_ptr<QObject> object;
    };
    std::vector<Entry> m_entries;
};

} // namespace kartella
