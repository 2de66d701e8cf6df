// kartella-render from the outside: its JSON description, records from CSV, and the refusals.

#include "tools/render/csv_records.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode;
    QString errors;
};

Run render(const QStringList& arguments) {
    QProcess process;
    process.setProgram(qEnvironmentVariable("KARTELLA_TEST_BIN") + "/bin/kartella-render");
    process.setArguments(arguments);
    process.start();
    if (!process.waitForFinished(60000))
        return {-1, "did not finish"};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

QJsonObject readJson(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

const QJsonObject elementNamed(const QJsonArray& elements, const QString& name) {
    for (const QJsonValue& e : elements)
        if (e["name"].toString() == name)
            return e.toObject();
    return {};
}

void write(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class RenderToolTest : public QObject {
    Q_OBJECT
private slots:
    void describesTheEnvelope();
    void labelSheetFromCsv();
    void refuses_data();
    void refuses();
    void writesPdfAndPng();
    void csvFields_data();
    void csvFields();
};

void RenderToolTest::describesTheEnvelope() {
    QTemporaryDir dir;
    const QString json = dir.filePath("c6.json");
    const Run run = render({"TForm7", "--text", "QRLabel1=Kovács és Társa Bt.", "--text", "QRLabel6=Szőny",
                            "--text", "QRLabel7=a=b utca", "--json", json});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject doc = readJson(json);
    QCOMPARE(doc["layout"].toString(), QStringLiteral("TForm7"));
    const QJsonArray pages = doc["pages"].toArray();
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0]["width"].toDouble(), 162.0);
    QCOMPARE(pages[0]["length"].toDouble(), 114.0);
    const QJsonArray elements = pages[0]["elements"].toArray();
    QCOMPARE(elements.size(), 9);
    QCOMPARE(elements[0]["name"].toString(), QStringLiteral("QRPShape1"));
    QCOMPARE(elements[0]["kind"].toString(), QStringLiteral("shape"));
    const QJsonObject name = elementNamed(elements, "QRLabel1");
    QCOMPARE(name["box"]["left"].toDouble(), 8.5);
    QCOMPARE(name["box"]["top"].toDouble(), 8.5);
    QVERIFY(name["box"]["width"].toDouble() > 30.0); // grown to the text
    QCOMPARE(name["font"]["family"].toString(), QStringLiteral("Arial"));
    QCOMPARE(name["font"]["size"].toDouble(), 14.0);
    QVERIFY(name["font"]["bold"].toBool());
    QVERIFY(!name["font"]["installed"].toString().isEmpty());
    const QJsonArray lines = name["lines"].toArray();
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines[0]["text"].toString(), QStringLiteral("Kovács és Társa Bt."));
    QCOMPARE(lines[0]["left"].toDouble(), 8.5);
    QVERIFY(lines[0]["baseline"].toDouble() > 8.5 && lines[0]["baseline"].toDouble() < 8.5 + 6.3);
    // Only the first "=" separates the name from the value.
    QCOMPARE(elementNamed(elements, "QRLabel7")["lines"][0]["text"].toString(), QStringLiteral("a=b utca"));
    QVERIFY(elementNamed(elements, "QRLabel6")["font"]["underline"].toBool());
}

void RenderToolTest::labelSheetFromCsv() {
    QTemporaryDir dir;
    QByteArray csv = "NEV,TIP,ORSZ,IRSZ,TELEP,CIM,TMP\r\n";
    for (int i = 1; i <= 20; ++i)
        csv += QStringLiteral("\"Ügyfél %1, Kft.\",,,%2,Pécs,Fő tér %1.,X\r\n").arg(i).arg(7600 + i).toUtf8();
    write(dir.filePath("p.csv"), csv);
    const Run run = render({"TForm33", "--records", dir.filePath("p.csv"), "--json", dir.filePath("p.json")});
    QCOMPARE(run.exitCode, 0);
    const QJsonArray pages = readJson(dir.filePath("p.json"))["pages"].toArray();
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0]["elements"].toArray().size(), 18 * 4);
    QCOMPARE(pages[1]["elements"].toArray().size(), 2 * 4);
    const QJsonArray first = pages[0]["elements"].toArray();
    QCOMPARE(first[0]["lines"][0]["text"].toString(), QStringLiteral("Ügyfél 1, Kft."));
    QCOMPARE(first[1]["lines"][0]["text"].toString(), QStringLiteral("Pécs"));
    QCOMPARE(first[3]["lines"][0]["text"].toString(), QStringLiteral("7601"));
    // The tenth label heads the second column: 105 + 4.2 mm from the left edge.
    QCOMPARE(first[9 * 4]["box"]["left"].toDouble(), 109.2);
    QCOMPARE(first[9 * 4]["box"]["top"].toDouble(), 4.2);
    QCOMPARE(first[9 * 4]["kind"].toString(), QStringLiteral("data-label"));
}

void RenderToolTest::refuses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown layout") << QStringList{"TForm99", "--json", "x.json"} << "TForm99";
    QTest::newRow("unknown label") << QStringList{"TForm7", "--text", "QRLabel77=x", "--json", "x.json"}
                                   << "QRLabel77";
    QTest::newRow("unknown check box")
        << QStringList{"TForm7", "--tick", "QRPCheckBox1", "--json", "x.json"} << "QRPCheckBox1";
    QTest::newRow("tick on a label") << QStringList{"TForm7", "--tick", "QRLabel1", "--json", "x.json"}
                                     << "QRLabel1";
    QTest::newRow("text without a name")
        << QStringList{"TForm7", "--text", "=x", "--json", "x.json"} << "NAME=VALUE";
    QTest::newRow("no output") << QStringList{"TForm7"} << "--pdf";
    QTest::newRow("two outputs") << QStringList{"TForm7", "--pdf", "a.pdf", "--json", "x.json"} << "--pdf";
    QTest::newRow("no layout") << QStringList{"--json", "x.json"} << "TForm";
    QTest::newRow("records for an unbound layout")
        << QStringList{"TForm7", "--records", "p.csv", "--json", "x.json"} << "--records";
    QTest::newRow("missing records file")
        << QStringList{"TForm33", "--records", "nincs.csv", "--json", "x.json"} << "nincs.csv";
    QTest::newRow("bad dpi") << QStringList{"TForm7", "--png", "a.png", "--dpi", "sok"} << "--dpi";
}

void RenderToolTest::refuses() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    for (QString& a : arguments)
        if (a.endsWith(".json") || a.endsWith(".pdf") || a.endsWith(".png") || a.endsWith(".csv"))
            a = dir.filePath(a);
    const Run run = render(arguments);
    QVERIFY(run.exitCode != 0);
    QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
    QVERIFY(!QFile::exists(dir.filePath("x.json")));
}

void RenderToolTest::writesPdfAndPng() {
    QTemporaryDir dir;
    QCOMPARE(render({"TForm19", "--text", "QRLabel5=Ő", "--pdf", dir.filePath("b6.pdf")}).exitCode, 0);
    QFile pdf(dir.filePath("b6.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QCOMPARE(render({"TForm19", "--png", dir.filePath("b6.png"), "--dpi", "100"}).exitCode, 0);
    const QImage image(dir.filePath("b6.png"));
    QCOMPARE(image.size(), QSize(693, 492)); // 176 x 125 mm at 100 dpi
}

void RenderToolTest::csvFields_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QList<QStringList>>("records"); // NEV, CIM
    QTest::newRow("plain, LF") << QByteArray("NEV,CIM\na,b\nc,d\n")
                               << QList<QStringList>{{"a", "b"}, {"c", "d"}};
    QTest::newRow("CR LF, no last line end")
        << QByteArray("NEV,CIM\r\na,b\r\nc,d") << QList<QStringList>{{"a", "b"}, {"c", "d"}};
    QTest::newRow("quoted comma and quote")
        << QByteArray("NEV,CIM\n\"Kiss, \"\"Öcsi\"\"\",x\n") << QList<QStringList>{{"Kiss, \"Öcsi\"", "x"}};
    QTest::newRow("quoted line break")
        << QByteArray("NEV,CIM\n\"két\nsor\",y\n") << QList<QStringList>{{"két\nsor", "y"}};
    QTest::newRow("BOM, other field order, missing field")
        << QByteArray("\xEF\xBB\xBF"
                      "CIM,TIP,NEV\nutca,,név\nutca2\n")
        << QList<QStringList>{{"név", "utca"}, {"", "utca2"}};
    QTest::newRow("empty fields and blank lines")
        << QByteArray("NEV,CIM\n,\n\n,z\n") << QList<QStringList>{{"", ""}, {"", "z"}};
}

void RenderToolTest::csvFields() {
    QFETCH(QByteArray, csv);
    QFETCH(QList<QStringList>, records);
    kartella::render::CsvRecords source;
    QString error;
    QVERIFY2(source.parse(QString::fromUtf8(csv), &error), qPrintable(error));
    QList<QStringList> seen;
    source.forEachRecord({"NEV", "CIM"}, [&](const QStringList& values) { seen.append(values); });
    QCOMPARE(seen, records);
    QVERIFY(!kartella::render::CsvRecords().parse("NEV\n\"open", &error));
}

QTEST_MAIN(RenderToolTest)
#include "tst_render_tool.moc"
