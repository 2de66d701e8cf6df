// The partner label chain at scale: N marked partners (default 10,000) in a real table file,
// "Nyomtatás" of the partner selection window, the settings window printing the sheet at the
// design settings, and the clearing of every mark when the settings window closes. Prints the
// median of R runs for each step.
//
//   bench_forms_labels [--count N] [--runs R]

#include "bench/median.h"
#include "data/database.h"
#include "forms/labels/selection_window.h"
#include "forms/labels/settings_window.h"
#include "printing/layout_window.h"
#include "ui/scripted_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

using namespace kartella;

using kartella::bench::median;

namespace {

struct Timings {
    double mark = 0;    // marking every partner, one transaction
    double open = 0;    // "Nyomtatás" until the settings window shows: filter to the marked
    double sheet = 0;   // "Nyomtat" at the design settings: apply, prepare, preview
    double prepare = 0; // the prepare alone, as part of the above
    double clear = 0;   // after the settings window closed: every mark cleared, filter off
    size_t pages = 0;
    int remainingMarks = -1;
};

double ms(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

Timings run(int count) {
    Timings t;
    QTemporaryDir dir;
    QList<QStringList> records;
    records.reserve(count);
    static const char* towns[] = {"Budapest", "Székesfehérvár", "Győr",
                                  "Pécs",     "Debrecen",       "Hódmezővásárhely"};
    for (int i = 0; i < count; ++i)
        records.append({QStringLiteral("Ügyfél Nagy %1 Kft.").arg(i + 1), QString(),
                        QStringLiteral("Magyarország"), QString::number(1000 + i % 9000),
                        QString::fromUtf8(towns[i % 6]), QStringLiteral("Rákóczi út %1.").arg(i % 200 + 1),
                        QString()});
    for (const data::TableDef* table : data::allTables())
        data::createTableFile(dir.filePath(table->name + ".db"), *table, table->password,
                              table->name == "Partner" ? records : QList<QStringList>{});

    data::Database db;
    db.TdbDatabase1.setLocation(dir.path());
    db.TdbDatabase1.connect();
    db.tbl_Partner.setPassword(db.tbl_Partner.definition().password);
    db.tbl_Partner.open();

    auto sheet = printing::LayoutWindow::create("TForm33");
    sheet->setRecordSource(&db.tbl_Partner);
    TForm32 settings([&]() -> printing::LayoutWindow& { return *sheet; });
    TForm31 selection(db, [&]() -> QWidget& { return settings; });
    selection.show();

    QElapsedTimer timer;
    timer.start();
    db.tbl_Partner.setFieldOnVisibleRecords("TMP", "X");
    t.mark = ms(timer);

    ScriptedDialogs dialogs;
    setDialogs(&dialogs);
    QElapsedTimer click;
    double closed = 0;
    dialogs.onShow("TForm32", [&](QWidget& window) {
        t.open = ms(click);
        const char* fields[] = {"ComboBox1", "Edit3", "Edit4", "Edit5", "Edit6", "Edit1", "Edit2"};
        const QStringList values{"A4 - Álló", "0", "0", "0", "0", "2", "32"};
        for (int i = 0; i < 7; ++i) {
            if (auto* combo = window.findChild<QComboBox*>(fields[i]))
                combo->setEditText(values[i]);
            else
                window.findChild<QLineEdit*>(fields[i])->setText(values[i]);
        }
        QElapsedTimer s;
        s.start();
        window.findChild<QPushButton*>("Button1")->click();
        t.sheet = ms(s);
        closed = ms(click);
    });
    click.start();
    selection.findChild<QPushButton*>("BitBtn1")->click();
    t.clear = ms(click) - closed;
    setDialogs(nullptr);

    // The prepare alone, of the same 10,000 labels: with the marks gone and the filter off the
    // table shows every partner again.
    QElapsedTimer p;
    p.start();
    t.pages = sheet->prepare().pages.size();
    t.prepare = ms(p);

    t.remainingMarks = 0;
    for (db.tbl_Partner.first(); !db.tbl_Partner.eof(); db.tbl_Partner.next())
        t.remainingMarks += !db.tbl_Partner.fieldAsText("TMP").isEmpty();
    return t;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int count = 10000, runs = 5;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--count")
            count = args[i + 1].toInt();
        else if (args[i] == "--runs")
            runs = args[i + 1].toInt();
    }

    std::vector<double> mark, open, sheet, prepare, clear;
    QTextStream out(stdout);
    for (int r = 0; r < runs; ++r) {
        const Timings t = run(count);
        if (t.remainingMarks != 0) {
            out << "marks left after closing: " << t.remainingMarks << Qt::endl;
            return 1;
        }
        mark.push_back(t.mark);
        open.push_back(t.open);
        sheet.push_back(t.sheet);
        prepare.push_back(t.prepare);
        clear.push_back(t.clear);
        out << QStringLiteral(
                   "run %1: %2 pages; mark %3 ms, open %4 ms, sheet %5 ms, prepare %6 ms, clear %7 ms")
                   .arg(r + 1)
                   .arg(t.pages)
                   .arg(t.mark, 0, 'f', 1)
                   .arg(t.open, 0, 'f', 1)
                   .arg(t.sheet, 0, 'f', 1)
                   .arg(t.prepare, 0, 'f', 1)
                   .arg(t.clear, 0, 'f', 1)
            << Qt::endl;
    }
    out << QStringLiteral("partners %1, runs %2, medians:").arg(count).arg(runs) << Qt::endl;
    out << QStringLiteral("  marking every partner               %1 ms").arg(median(mark), 0, 'f', 1)
        << Qt::endl;
    out << QStringLiteral("  filter and open settings            %1 ms").arg(median(open), 0, 'f', 1)
        << Qt::endl;
    out << QStringLiteral("  \"Nyomtat\": apply, prepare, preview  %1 ms").arg(median(sheet), 0, 'f', 1)
        << Qt::endl;
    out << QStringLiteral("  prepare alone (same sheet)          %1 ms").arg(median(prepare), 0, 'f', 1)
        << Qt::endl;
    out << QStringLiteral("  clearing the marks on close         %1 ms (limit 500 ms)")
               .arg(median(clear), 0, 'f', 1)
        << Qt::endl;
    return median(clear) < 500.0 ? 0 : 2;
}
