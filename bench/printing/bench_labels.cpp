// A label sheet of N partners (default 10,000: 556 pages, 40,000 lines) from the records to the
// finished PDF through the engine, beside the floor: a bare program drawing the same lines with
// QPainter straight onto a QPdfWriter. Each measurement runs in a child process of its own so that
// its peak memory is its own; the parent prints medians, the ratio and the peak memory.
//
//   bench_printing_labels [--count N] [--runs R]
//   bench_printing_labels --child engine|floor --count N --out FILE.pdf   (one measurement)

#include "bench/median.h"
#include "data/record_source.h"
#include "printing/fonts.h"
#include "printing/layout_window.h"
#include "printing/render.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

using namespace kartella;
using namespace kartella::printing;

using kartella::bench::median;

namespace {

struct Partner {
    QString nev, irsz, telep, cim;
};

std::vector<Partner> partners(int count) {
    static const char* towns[] = {"Budapest", "Székesfehérvár", "Győr",
                                  "Pécs",     "Debrecen",       "Hódmezővásárhely"};
    std::vector<Partner> list;
    list.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        list.push_back({QStringLiteral("Ügyfél Nagy-Kovács %1 Kft.").arg(i + 1),
                        QString::number(1000 + i % 9000), QString::fromUtf8(towns[i % 6]),
                        QStringLiteral("Rákóczi út %1.").arg(i % 200 + 1)});
    return list;
}

class Records : public data::RecordSource {
public:
    explicit Records(const std::vector<Partner>& list) : m_list(list) {}
    void forEachRecord(const QStringList& fields,
                       const std::function<void(const QStringList&)>& visit) const override {
        QStringList values;
        for (const Partner& p : m_list) {
            values.clear();
            for (const QString& f : fields)
                values.append(f == "NEV" ? p.nev : f == "IRSZ" ? p.irsz : f == "TELEP" ? p.telep : p.cim);
            visit(values);
        }
    }

private:
    const std::vector<Partner>& m_list;
};

long peakRssKb() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

double engine(const std::vector<Partner>& list, const QString& out) {
    QElapsedTimer timer;
    timer.start();
    auto window = LayoutWindow::create("TForm33");
    Records records(list);
    window->setRecordSource(&records);
    writePdf(window->prepare(), out);
    return timer.nsecsElapsed() / 1e6;
}

// The same lines at the same places, drawn directly: 2 columns x 9 rows of 105 x 32 mm.
double floorProgram(const std::vector<Partner>& list, const QString& out) {
    QElapsedTimer timer;
    timer.start();
    QPdfWriter writer(out);
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    const double px = 1200 / 25.4;
    QFont regular("Liberation Sans");
    regular.setPointSizeF(10);
    QFont underlined = regular;
    underlined.setUnderline(true);
    const double tops[] = {4.2, 12.4, 18.5, 24.6};
    for (size_t i = 0; i < list.size(); ++i) {
        const int onPage = int(i % 18);
        if (i > 0 && onPage == 0)
            writer.newPage();
        const double left = (onPage / 9) * 105.0 + 4.2, top = (onPage % 9) * 32.0;
        const QString lines[] = {list[i].nev, list[i].telep, list[i].cim, list[i].irsz};
        for (int l = 0; l < 4; ++l) {
            painter.setFont(l == 1 ? underlined : regular);
            painter.drawText(QPointF(left * px, (top + tops[l] + 3.2) * px), lines[l]);
        }
    }
    painter.end();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    auto option = [&](const QString& name, const QString& fallback) {
        const qsizetype i = args.indexOf(name);
        return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
    };
    const int count = option("--count", "10000").toInt();
    const QString child = option("--child", {});
    if (!child.isEmpty()) {
        const std::vector<Partner> list = partners(count);
        const double ms = child == "engine" ? engine(list, option("--out", "out.pdf"))
                                            : floorProgram(list, option("--out", "out.pdf"));
        QTextStream(stdout) << ms << ' ' << peakRssKb() << '\n';
        return 0;
    }

    const int runs = option("--runs", "5").toInt();
    QTemporaryDir dir;
    std::vector<double> times[2];
    long peak[2] = {0, 0};
    const char* modes[] = {"floor", "engine"};
    for (int r = 0; r < runs; ++r)
        for (int m = 0; m < 2; ++m) {
            QProcess process;
            process.start(QCoreApplication::applicationFilePath(),
                          {"--child", modes[m], "--count", QString::number(count), "--out",
                           dir.filePath(QStringLiteral("%1.pdf").arg(modes[m]))});
            process.waitForFinished(-1);
            const QStringList figures = QString::fromUtf8(process.readAllStandardOutput()).split(' ');
            if (figures.size() < 2)
                return 1;
            times[m].push_back(figures[0].toDouble());
            peak[m] = std::max(peak[m], figures[1].trimmed().toLong());
        }
    const double floorMs = median(times[0]), engineMs = median(times[1]);
    QTextStream out(stdout);
    out << count << " labels (" << (count + 17) / 18 << " pages, " << count * 4 << " lines), median of "
        << runs << " runs\n";
    out << "  floor  (QPainter onto QPdfWriter): " << floorMs << " ms, peak RSS " << peak[0] / 1024
        << " MB\n";
    out << "  engine (records -> prepare -> PDF): " << engineMs << " ms, peak RSS " << peak[1] / 1024
        << " MB\n";
    out << "  ratio engine / floor: " << engineMs / floorMs << " (goal <= 2), engine peak goal < 200 MB\n";
    return 0;
}
