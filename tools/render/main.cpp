// kartella-render: loads a layout by its window name, applies texts and ticks from the command line
// and writes the prepared pages as PDF, PNG or a JSON description.
//
//   kartella-render LAYOUT [--text NAME=VALUE]... [--tick NAME]... [--records FILE.csv]
//                   (--pdf FILE | --png FILE [--dpi N] | --json FILE)

#include "printing/layout_window.h"
#include "printing/page_json.h"
#include "printing/render.h"
#include "tools/render/csv_records.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

using namespace kartella;

namespace {

int refuse(const QString& message) {
    QTextStream(stderr) << "kartella-render: " << message << '\n';
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Needs no display: fonts and PDF output work on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("kartella-render"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Nyomtatási kép előállítása PDF, PNG vagy JSON alakban."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("LAYOUT"),
                                 QStringLiteral("a nyomtatási kép ablakának neve, pl. TForm7 (ismertek: %1)")
                                     .arg(printing::layoutWindowNames().join(", ")));
    const QCommandLineOption text(QStringLiteral("text"), QStringLiteral("egy felirat szövege"),
                                  QStringLiteral("NAME=VALUE"));
    const QCommandLineOption tick(QStringLiteral("tick"), QStringLiteral("egy jelölőnégyzet bejelölése"),
                                  QStringLiteral("NAME"));
    const QCommandLineOption records(QStringLiteral("records"),
                                     QStringLiteral("a rekordok CSV-fájlja (UTF-8, első sor: mezőnevek)"),
                                     QStringLiteral("FILE.csv"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("PDF-fájl írása"),
                                 QStringLiteral("FILE"));
    const QCommandLineOption png(QStringLiteral("png"), QStringLiteral("PNG-kép(ek) írása"),
                                 QStringLiteral("FILE"));
    const QCommandLineOption dpi(QStringLiteral("dpi"),
                                 QStringLiteral("a PNG felbontása (alapértelmezés: 150)"),
                                 QStringLiteral("N"), QStringLiteral("150"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("az oldalak leírása JSON-ban"),
                                  QStringLiteral("FILE"));
    parser.addOptions({text, tick, records, pdf, png, dpi, json});
    if (!parser.parse(QGuiApplication::arguments()))
        return refuse(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return refuse(QStringLiteral("pontosan egy nyomtatási kép nevét kell megadni (pl. TForm7)"));
    const int outputs = int(parser.isSet(pdf)) + int(parser.isSet(png)) + int(parser.isSet(json));
    if (outputs != 1)
        return refuse(QStringLiteral("pontosan egy kimenet kell: --pdf, --png vagy --json"));
    bool dpiOk = false;
    const int dotsPerInch = parser.value(dpi).toInt(&dpiOk);
    if (!dpiOk || dotsPerInch < 10 || dotsPerInch > 2400)
        return refuse(QStringLiteral("hibás --dpi érték: %1 (10 és 2400 között)").arg(parser.value(dpi)));

    const QString name = positional.front();
    if (printing::layoutResource(name).isEmpty())
        return refuse(QStringLiteral("ismeretlen nyomtatási kép: %1 (ismertek: %2)")
                          .arg(name, printing::layoutWindowNames().join(", ")));

    render::CsvRecords csv;
    try {
        auto window = printing::LayoutWindow::create(name);
        for (const QString& assignment : parser.values(text)) {
            const qsizetype eq = assignment.indexOf('=');
            if (eq <= 0)
                return refuse(QStringLiteral("a --text alakja NAME=VALUE: %1").arg(assignment));
            const QString element = assignment.left(eq);
            if (!window->layout().hasElement(element))
                return refuse(QStringLiteral("%1: nincs ilyen elem: %2").arg(name, element));
            window->setText(element, assignment.mid(eq + 1));
        }
        for (const QString& element : parser.values(tick)) {
            if (!window->layout().hasElement(element))
                return refuse(QStringLiteral("%1: nincs ilyen elem: %2").arg(name, element));
            window->setTicked(element, true);
        }
        if (parser.isSet(records)) {
            if (!window->layout().isBound())
                return refuse(
                    QStringLiteral("%1 nem táblához kötött, a --records nem használható").arg(name));
            QString error;
            if (!csv.load(parser.value(records), &error))
                return refuse(QStringLiteral("a rekordfájl hibás: %1").arg(error));
            window->setRecordSource(&csv);
        }

        const printing::Report& report = window->prepare();
        if (parser.isSet(pdf)) {
            if (!printing::writePdf(report, parser.value(pdf)))
                return refuse(QStringLiteral("nem írható: %1").arg(parser.value(pdf)));
        } else if (parser.isSet(png)) {
            if (!printing::writePng(report, parser.value(png), dotsPerInch))
                return refuse(QStringLiteral("nem írható: %1").arg(parser.value(png)));
        } else {
            QFile file(parser.value(json));
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                file.write(printing::describe(report).toJson(QJsonDocument::Indented)) < 0 || !file.flush())
                return refuse(QStringLiteral("nem írható: %1").arg(parser.value(json)));
        }
    } catch (const printing::LayoutError& e) {
        return refuse(e.text());
    }
    return 0;
}
