#include "app/update_request.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace kartella;

class UpdateRequestTest : public QObject {
    Q_OBJECT
private slots:
    void encodesLinesInTheCommonUuencodeForm_data() {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("one byte left over")
            << QByteArray("PROXY USING     : 0") << QByteArray("34%)/6%D@55-)3D<@(\"`@(#H@,```");
        QTest::newRow("two bytes left over") << QByteArray("PROGRAM NAME    : Kartella")
                                             << QByteArray(":4%)/1U)!32!.04U%(\"`@(#H@2V%R=&5L;&$`");
        QTest::newRow("whole groups") << QByteArray("AFTER RUN       : Kartella.exe")
                                      << QByteArray(">049415(@4E5.(\"`@(\"`@(#H@2V%R=&5L;&$N97AE");
        QTest::newRow("zero bits become back-quotes") << QByteArray("  ") << QByteArray("\"(\"``");
    }
    void encodesLinesInTheCommonUuencodeForm() {
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, encoded);
        QCOMPARE(uuencodeLine(plain), encoded);
        QCOMPARE(uuencodeLine(plain).size(), 1 + 4 * ((plain.size() + 2) / 3));
    }

    void writesTheTwelveLinesByteForByteAndReplacesAnEarlierFile() {
        QTemporaryDir dir;
        QFile old(dir.filePath("update.nfo"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
        old.close();
        writeUpdateRequest(dir.path());
        writeUpdateRequest(dir.path());
        QFile file(dir.filePath("update.nfo"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray expected = ":4%)/1U)!32!.04U%(\"`@(#H@2V%R=&5L;&$`\r\n"
                                    "94%)/1U)!32!615)324].(#H@,2XP+C`N,```\r\n"
                                    ":4%)/1U)!32!465!%(\"`@(#H@1E)%15=!4D4`\r\n"
                                    "C4T525D52($1)4B`@(\"`@(#H@86YO;E]F='`O=7!D871E<V(`\r\n"
                                    "B4T525D52($E.1B!&24Q%(#H@=7!D+6MA<G1E;&QA+F-F9P``\r\n"
                                    ">049415(@4E5.(\"`@(\"`@(#H@2V%R=&5L;&$N97AE\r\n"
                                    "34%)/6%D@55-)3D<@(\"`@(#H@,```\r\n"
                                    "54%)/6%D@2$]35\"`@(\"`@(#H@3FEL\r\n"
                                    "54%)/6%D@55-%4B`@(\"`@(#H@3FEL\r\n"
                                    "54%)/6%D@4$%34U=/4D0@(#H@3FEL\r\n"
                                    "54%)/6%D@4$]25\"`@(\"`@(#H@3FEL\r\n"
                                    "54%)/6%D@5%E012`@(\"`@(#H@3FEL\r\n";
        QCOMPARE(file.readAll(), expected);
    }

    void anUnwritableDirectoryIsAnErrorWithTheFileName() {
        QTemporaryDir dir;
        const QString missing = dir.filePath("nincs/ilyen");
        try {
            writeUpdateRequest(missing);
            QFAIL("wrote into a directory that does not exist");
        } catch (const std::runtime_error& e) {
            QVERIFY(QString::fromUtf8(e.what()).contains("update.nfo"));
        }
    }
};

QTEST_GUILESS_MAIN(UpdateRequestTest)
#include "update_request_test.moc"
