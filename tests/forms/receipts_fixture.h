#pragma once
// What the posting receipt's and the return receipt's tests share: a program directory with its
// tables open, the form's layout window, the scripted dialogs, the printed page read back by
// element name, and kartella-render's description of a layout.

#include "data/database.h"
#include "printing/layout_window.h"
#include "tests/support/database_fixture.h"
#include "ui/scripted_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace kartella::testing {

class ReceiptFixture : public OpenDatabase {
public:
    explicit ReceiptFixture(const QString& layoutName) : layout(printing::LayoutWindow::create(layoutName)) {
        setDialogs(&dialogs);
    }
    ~ReceiptFixture() { setDialogs(nullptr); }

    // What an entry window is given to reach its layout window.
    std::function<printing::LayoutWindow&()> layoutSource() {
        return [this]() -> printing::LayoutWindow& { return *layout; };
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<printing::LayoutWindow> layout;
};

// Shows the window as the main window would and waits until it has the focus.
inline bool open(QWidget& window) {
    window.show();
    return QTest::qWaitForWindowActive(&window);
}

// Reopening: the main window hides an entry window when it closes and shows it again later.
inline bool reopen(QWidget& window) {
    window.hide();
    return open(window);
}

// Types into the picker (or takes its list entry `index`) and leaves it with Tab, as the user does.
inline void leavePicker(QComboBox& picker, const QString& text, int index = -1) {
    picker.setFocus(Qt::OtherFocusReason);
    if (index >= 0)
        picker.setCurrentIndex(index);
    else
        picker.setEditText(text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

inline QStringList items(const QComboBox& box) {
    QStringList list;
    for (int i = 0; i < box.count(); ++i)
        list << box.itemText(i);
    return list;
}

// One element as the prepared page prints it.
struct Printed {
    QString text; // the printed lines joined by "\n"
    bool ticked = false;
};

inline QMap<QString, Printed> printedElements(const printing::Report& report) {
    QMap<QString, Printed> printed;
    if (report.pages.size() != 1)
        qFatal("a card prints on one page, not %d", int(report.pages.size()));
    for (const printing::PlacedBand& band : report.pages.front().bands)
        for (const printing::PlacedElement& e : band.elements) {
            QStringList lines;
            for (const printing::TextLine& line : e.lines)
                lines << line.text;
            printed.insert(e.name, {lines.join('\n'), e.ticked});
        }
    return printed;
}

// The element names of the layout's check boxes that print a cross.
inline QStringList crosses(const QMap<QString, Printed>& printed) {
    QStringList ticked;
    for (auto it = printed.begin(); it != printed.end(); ++it)
        if (it->ticked)
            ticked << it.key();
    return ticked;
}

// kartella-render's JSON description of the layout with the given arguments; empty on failure.
inline QJsonObject renderJson(const QString& layoutName, const QStringList& arguments) {
    QTemporaryDir out;
    const QString file = out.filePath("page.json");
    QProcess process;
    process.start(qEnvironmentVariable("KARTELLA_TEST_BIN") + "/bin/kartella-render",
                  QStringList{layoutName} + arguments + QStringList{"--json", file});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning("kartella-render failed: %s", process.readAllStandardError().constData());
        return {};
    }
    QFile json(file);
    if (!json.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(json.readAll()).object();
}

inline QJsonObject elementNamed(const QJsonArray& elements, const QString& name) {
    for (const QJsonValue& e : elements)
        if (e["name"].toString() == name)
            return e.toObject();
    return {};
}

// Saves a picture of the window where KARTELLA_SCREENSHOTS points, for a person to look at.
inline void saveScreenshot(QWidget& window) {
    const QString folder = qEnvironmentVariable("KARTELLA_SCREENSHOTS");
    if (!folder.isEmpty())
        window.grab().save(folder + '/' + window.objectName() + ".png");
}

} // namespace kartella::testing
