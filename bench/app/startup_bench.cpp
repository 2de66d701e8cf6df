// Start-up benchmark: the program, with every window created and the tables open on the full
// postal-code table and 10,000 partners, from process start to its main window shown, beside
// a bare Qt program showing one empty window. Both are started as processes, alternately.
//   bench_startup [RUNS]      (uses $DISPLAY when set, else the offscreen platform)
#include "bench/median.h"
#include "data/table.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using kartella::bench::median;

namespace {

double timeToShown(const QString& program, const QString& directory) {
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(directory);
    QElapsedTimer timer;
    timer.start();
    process.start();
    while (!process.canReadLine() && process.state() != QProcess::NotRunning)
        process.waitForReadyRead(5);
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!process.readLine().startsWith("shown")) {
        std::fprintf(stderr, "%s did not show its window: %s\n", qPrintable(program),
                     process.readAllStandardError().constData());
        std::exit(1);
    }
    process.waitForFinished();
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QTemporaryDir dir;
    for (const char* table : {"Irsz.db", "Orsz.db", "Felado.db", "Config.db"})
        QFile::copy(QDir(PROGRAM_DIR).filePath(table), dir.filePath(table));
    QList<QStringList> partners;
    for (int i = 0; i < 10000; ++i)
        partners.append({QString("Partner %1 Kft.").arg(i), "Vevő", "Magyarország", "1011", "Budapest",
                         QString("Fő utca %1.").arg(i), ""});
    kartella::data::createTableFile(dir.filePath("Partner.db"), kartella::data::partnerTable(),
                                    kartella::data::partnerTable().password, partners);

    timeToShown(STARTUP_PROBE, dir.path()); // warm the file cache for both
    timeToShown(BARE_PROBE, dir.path());
    std::vector<double> program, bare;
    for (int i = 0; i < runs; ++i) {
        program.push_back(timeToShown(STARTUP_PROBE, dir.path()));
        bare.push_back(timeToShown(BARE_PROBE, dir.path()));
    }
    const double p = median(program), b = median(bare);
    std::printf("start-up to main window shown, median of %d runs (%s)\n", runs,
                qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "display");
    std::printf("  Kartella (3569 postal codes, 10000 partners): %.1f ms\n", p);
    std::printf("  bare Qt window:                              %.1f ms\n", b);
    std::printf("  ratio: %.2f (goal: at most 4)\n", p / b);
    return 0;
}
