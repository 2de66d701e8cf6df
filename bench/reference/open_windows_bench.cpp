// bench_open_windows [RUNS]: medians of opening the settlement window (index set, grid filled)
// on the shipped postal-code table, and the partner list (table re-read, grid filled) with
// 100,000 partners, each from the menu's action to the window shown and painted.
#include "bench/median.h"
#include "data/database.h"
#include "reference/address_windows.h"
#include "reference/reference_windows.h"
#include "ui/message_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace kartella;

using kartella::bench::median;

namespace {

// From the click to the window painted: the menu's action, then the events that show it.
template <typename Action> double timeToShown(QWidget& window, Action action) {
    QElapsedTimer timer;
    timer.start();
    action();
    window.show();
    window.repaint();
    QCoreApplication::processEvents();
    const double ms = timer.nsecsElapsed() / 1e6;
    window.hide();
    QCoreApplication::processEvents();
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    MessageDialogs messages;
    setDialogs(&messages);

    QTemporaryDir dir;
    for (const char* table : {"Irsz.db", "Orsz.db", "Felado.db", "Config.db"})
        QFile::copy(QDir(PROGRAM_DIR).filePath(table), dir.filePath(table));
    QList<QStringList> partners;
    for (int i = 0; i < 100000; ++i)
        partners.append({QString("Partner %1 Kft.").arg(i), "Vevő", "Magyarország", "1011", "Budapest",
                         QString("Fő utca %1.").arg(i), ""});
    data::createTableFile(dir.filePath("Partner.db"), data::partnerTable(), data::partnerTable().password,
                          partners);

    data::Database db;
    db.TdbDatabase1.setLocation(dir.path());
    for (data::Table* t : {&db.tbl_Irsz, &db.tbl_Orsz, &db.tbl_Partner, &db.tbl_Felado, &db.tbl_Config}) {
        t->setPassword(t->definition().password);
        t->open();
    }
    TForm9 settlements(db);
    TForm10 list(db, [](const QString&) { return nullptr; });

    std::vector<double> settlementTimes, listTimes;
    for (int i = 0; i < runs + 1; ++i) {
        db.tbl_Irsz.setIndex("IRSZ"); // as another window may leave it: the show sorts by name again
        const double s = timeToShown(settlements, [] {});
        const double l = timeToShown(list, [&] { db.tbl_Partner.refresh(); });
        if (i > 0) { // the first run warms the caches
            settlementTimes.push_back(s);
            listTimes.push_back(l);
        }
    }
    std::printf("opening windows, median of %d runs (%s)\n", runs,
                qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "display");
    std::printf("  settlement window, %d postal codes:  %.1f ms (goal: under 50 ms)\n",
                db.tbl_Irsz.recordCount(), median(settlementTimes));
    std::printf("  partner list, %d partners:         %.1f ms (goal: under 50 ms)\n",
                db.tbl_Partner.recordCount(), median(listTimes));
    return 0;
}
