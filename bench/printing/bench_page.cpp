// One A4 page of about 200 elements (labels fixed and auto-size, check boxes, shapes), prepared and
// written as PDF. Prints the first (cold) run and the median of the warm runs. Goal: under 50 ms.

#include "bench/median.h"
#include "printing/layout.h"
#include "printing/render.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

using namespace kartella::printing;

namespace {

QByteArray pageOfElements() {
    QStringList elements;
    int n = 0;
    for (int row = 0; row < 40; ++row) {
        const double top = 2.0 + row * 6.8;
        elements.append(QStringLiteral(R"({"name": "QRLabel%1", "kind": "label", "box": [2, %2, 40, 4.5],
            "autoSize": true, "font": {"family": "Arial", "size": 9, "bold": true}, "text": "Megnevezés %3 – ő ű"})")
                            .arg(++n)
                            .arg(top)
                            .arg(row));
        elements.append(QStringLiteral(R"({"name": "QRLabel%1", "kind": "label", "box": [45, %2, 60, 6.2],
            "font": {"family": "Arial Narrow", "size": 8}, "text": "Hosszabb szöveg, amely a keret szélességénél tördelődik, és a második sora is kifér"})")
                            .arg(++n)
                            .arg(top));
        elements.append(QStringLiteral(R"({"name": "QRLabel%1", "kind": "label", "box": [110, %2, 30, 4.5],
            "align": "right", "autoSize": true, "text": "%3 Ft"})")
                            .arg(++n)
                            .arg(top)
                            .arg(row * 1250));
        elements.append(
            QStringLiteral(R"({"name": "QRPCheckBox%1", "kind": "check-box", "box": [150, %2, 4, 4],
            "ticked": %3})")
                .arg(++n)
                .arg(top)
                .arg(row % 2 ? "true" : "false"));
        elements.append(QStringLiteral(R"({"name": "QRShape%1", "kind": "shape", "box": [160, %2, 25, 5.5]})")
                            .arg(++n)
                            .arg(top));
    }
    return QStringLiteral(
               R"({"window": "TFormBench", "page": {"paper": "A4", "margins": {"top": 10, "bottom": 10,
        "left": 10, "right": 10}}, "bands": [{"name": "DetailBand1", "height": 277, "transparent": false,
        "elements": [%1]}]})")
        .arg(elements.join(','))
        .toUtf8();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const Layout layout = Layout::fromJson(pageOfElements());
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    std::vector<double> times;
    double cold = 0;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const Report report = prepare(layout);
        writePdf(report, dir.filePath("page.pdf"));
        const double ms = timer.nsecsElapsed() / 1e6;
        if (i == 0)
            cold = ms;
        else
            times.push_back(ms);
    }
    int elements = 0;
    for (const Band& band : layout.bands())
        elements += int(band.elements.size());
    QTextStream(stdout) << "A4 page, " << elements << " elements, prepare + PDF: first run " << cold
                        << " ms, median of " << runs << " runs " << kartella::bench::median(times)
                        << " ms (goal < 50 ms)\n";
    return 0;
}
