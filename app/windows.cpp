#include "app/windows.h"

#include "app/tform52.h"
#include "data/database.h"
#include "forms/envelope/tform2.h"
#include "forms/labels/selection_window.h"
#include "forms/labels/settings_window.h"
#include "forms/posting-receipt/tform21.h"
#include "forms/return-receipt/tform23.h"
#include "printing/layout_window.h"
#include "reference/address_windows.h"
#include "reference/reference_windows.h"

#include <QWidget>
#include <functional>
#include <stdexcept>

namespace kartella {

namespace {

// A window may need others (a list window its edit windows, an entry window its layout); it
// gets the registry and looks them up when it needs them, so creation order does not matter.
using Factory = std::function<std::unique_ptr<QObject>(data::Database&, Windows&)>;

// The windows the program has, by name. Layout windows come from the compiled-in layouts.
Factory factoryFor(const QString& name) {
    auto lookup = [](Windows& windows) { return [&windows](const QString& n) { return windows.window(n); }; };
    if (name == "TForm8")
        return [](data::Database& db, Windows&) { return std::make_unique<TForm8>(db); };
    if (name == "TForm9")
        return [](data::Database& db, Windows&) { return std::make_unique<TForm9>(db); };
    if (name == "TForm10")
        return [lookup](data::Database& db, Windows& w) { return std::make_unique<TForm10>(db, lookup(w)); };
    if (name == "TForm3")
        return [lookup](data::Database& db, Windows& w) { return std::make_unique<TForm3>(db, lookup(w)); };
    if (name == "TForm11")
        return [](data::Database& db, Windows&) { return std::make_unique<TForm11>(db); };
    if (name == "TForm12")
        return [](data::Database& db, Windows&) { return std::make_unique<TForm12>(db); };
    if (name == "TForm13")
        return [](data::Database& db, Windows&) { return std::make_unique<TForm13>(db); };
    if (name == "TForm4")
        return [](data::Database& db, Windows&) { return std::make_unique<TForm4>(db); };
    if (name == "TForm5")
        return [](data::Database& db, Windows&) { return std::make_unique<TForm5>(db); };
    if (name == "TForm6")
        return [](data::Database& db, Windows&) { return std::make_unique<TForm6>(db); };
    // Entry windows reach their layout windows, and selection windows their settings windows,
    // when they first need them.
    auto layoutOf = [](Windows& windows, const char* layout) {
        return [&windows, layout]() -> printing::LayoutWindow& { return windows.requireLayout(layout); };
    };
    auto windowOf = [](Windows& windows, const char* window) {
        return [&windows, window]() -> QWidget& { return windows.requireWindow(window); };
    };
    if (name == "TForm21")
        return [layoutOf](data::Database& db, Windows& w) {
            return std::make_unique<TForm21>(db, layoutOf(w, "TForm22"));
        };
    if (name == "TForm23")
        return [layoutOf](data::Database& db, Windows& w) {
            return std::make_unique<TForm23>(db, layoutOf(w, "TForm24"));
        };
    // Envelopes and label sheets: the envelope window picks one of its seven layouts by the size
    // chosen; each label selection window opens its settings window, which prints its sheet.
    if (name == "TForm2")
        return [](data::Database& db, Windows& w) {
            return std::make_unique<TForm2>(db, [&w](const QString& layout) -> printing::LayoutWindow& {
                return w.requireLayout(layout);
            });
        };
    if (name == "TForm30")
        return [windowOf](data::Database& db, Windows& w) {
            return std::make_unique<TForm30>(db, windowOf(w, "TForm15"));
        };
    if (name == "TForm15")
        return [layoutOf](data::Database&, Windows& w) {
            return std::make_unique<TForm15>(layoutOf(w, "TForm29"));
        };
    if (name == "TForm31")
        return [windowOf](data::Database& db, Windows& w) {
            return std::make_unique<TForm31>(db, windowOf(w, "TForm32"));
        };
    if (name == "TForm32")
        return [layoutOf](data::Database&, Windows& w) {
            return std::make_unique<TForm32>(layoutOf(w, "TForm33"));
        };
    if (name == "TForm52")
        return [](data::Database& db, Windows&) { return std::make_unique<TForm52>(db); };
    return {};
}

// Layouts bound to a table print one band per visible record of it.
const data::RecordSource* boundTable(const QString& layoutName, data::Database& db) {
    if (layoutName == "TForm29")
        return &db.tbl_Felado;
    if (layoutName == "TForm33")
        return &db.tbl_Partner;
    return nullptr;
}

} // namespace

const QStringList& Windows::creationOrder() {
    static const QStringList order{
        "TForm8",  "TForm9",  "TForm10", "TForm11", "TForm12", "TForm13", "TForm2",  "TForm3",  "TForm4",
        "TForm5",  "TForm6",  "TForm7",  "TForm14", "TForm16", "TForm17", "TForm18", "TForm19", "TForm20",
        "TForm21", "TForm22", "TForm23", "TForm24", "TForm25", "TForm26", "TForm27", "TForm28", "TForm29",
        "TForm30", "TForm15", "TForm31", "TForm32", "TForm33", "Tform36", "TForm37", "TForm38", "TForm39",
        "TForm40", "TForm41", "TForm42", "TForm43", "TForm44", "TForm45", "TForm46", "TForm47", "TForm48",
        "TForm49", "TForm51", "TForm50", "TForm52"};
    return order;
}

Windows::Windows(data::Database& database) {
    const QStringList layouts = printing::layoutWindowNames();
    for (const QString& name : creationOrder()) {
        std::unique_ptr<QObject> object;
        if (layouts.contains(name)) {
            auto layout = printing::LayoutWindow::create(name);
            layout->setRecordSource(boundTable(name, database));
            object = std::move(layout);
        } else if (const Factory factory = factoryFor(name)) {
            object = factory(database, *this);
        }
        if (!object)
            continue;
        object->setObjectName(name);
        m_entries.push_back({name, std::move(object)});
    }
}

Windows::~Windows() {
    // Destroyed in the reverse order of their creation.
    while (!m_entries.empty())
        m_entries.pop_back();
}

QWidget* Windows::window(const QString& name) const {
    for (const Entry& e : m_entries)
        if (e.name == name)
            return qobject_cast<QWidget*>(e.object.get());
    return nullptr;
}

printing::LayoutWindow* Windows::layout(const QString& name) const {
    for (const Entry& e : m_entries)
        if (e.name == name)
            return qobject_cast<printing::LayoutWindow*>(e.object.get());
    return nullptr;
}

QWidget& Windows::requireWindow(const QString& name) const {
    if (QWidget* found = window(name))
        return *found;
    throw std::logic_error("no window " + name.toStdString());
}

printing::LayoutWindow& Windows::requireLayout(const QString& name) const {
    if (printing::LayoutWindow* found = layout(name))
        return *found;
    throw std::logic_error("no layout window " + name.toStdString());
}

QStringList Windows::created() const {
    QStringList names;
    for (const Entry& e : m_entries)
        names << e.name;
    return names;
}

} // namespace kartella
