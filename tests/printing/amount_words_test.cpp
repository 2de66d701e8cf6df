#include "printing/amount_words.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <limits>
#include <stdexcept>

using kartella::printing::amountFieldExit;
using kartella::printing::NumberToWords;

class AmountWordsTest : public QObject {
    Q_OBJECT
private slots:
    void numberToWords_data();
    void numberToWords();
    void magnitudeBeyondRangeIsAssertionFailure_data();
    void magnitudeBeyondRangeIsAssertionFailure();
    void amountFieldExit_data();
    void amountFieldExit();
};

void AmountWordsTest::numberToWords_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("words");

    QTest::newRow("zero") << qint64(0) << "Nulla";
    QTest::newRow("unit") << qint64(7) << "Hét";
    QTest::newRow("accented start capitalised") << qint64(5) << "Öt";
    QTest::newRow("whole ten") << qint64(10) << "Tíz";
    QTest::newRow("tizen") << qint64(11) << "Tizenegy";
    QTest::newRow("huszon") << qint64(21) << "Huszonegy";
    QTest::newRow("kettő in compound") << qint64(22) << "Huszonkettő";
    QTest::newRow("ötven") << qint64(50) << "Ötven";
    QTest::newRow("egy before száz") << qint64(100) << "Egyszáz";
    QTest::newRow("hundred and ten") << qint64(110) << "Egyszáztíz";
    QTest::newRow("kettő before száz") << qint64(200) << "Kettőszáz";
    QTest::newRow("hundreds with tizen") << qint64(215) << "Kettőszáztizenöt";
    QTest::newRow("ötszáz") << qint64(500) << "Ötszáz";
    QTest::newRow("egy before ezer") << qint64(1000) << "Egyezer";
    QTest::newRow("hyphen before a lone unit") << qint64(1001) << "Egyezer-egy";
    QTest::newRow("hyphen before whole ten") << qint64(1010) << "Egyezer-tíz";
    QTest::newRow("thousands") << qint64(1234) << "Egyezer-kettőszázharmincnégy";
    QTest::newRow("kettő before ezer") << qint64(2000) << "Kettőezer";
    QTest::newRow("ötezer") << qint64(5000) << "Ötezer";
    QTest::newRow("tens of thousands") << qint64(12345) << "Tizenkettőezer-háromszáznegyvenöt";
    QTest::newRow("ötvenezer") << qint64(50000) << "Ötvenezer";
    QTest::newRow("egy before millió") << qint64(1'000'000) << "Egymillió";
    QTest::newRow("zero group adds no hyphen") << qint64(1'000'001) << "Egymillió-egy";
    QTest::newRow("millions and thousands") << qint64(2'500'000) << "Kettőmillió-ötszázezer";
    QTest::newRow("ötmillió") << qint64(5'000'000) << "Ötmillió";
    QTest::newRow("egy before milliárd") << qint64(1'000'000'000) << "Egymilliárd";
    QTest::newRow("milliárd and unit") << qint64(1'000'000'001) << "Egymilliárd-egy";
    QTest::newRow("largest 32-bit")
        << qint64(std::numeric_limits<qint32>::max())
        << "Kettőmilliárd-egyszáznegyvenhétmillió-négyszáznyolcvanháromezer-hatszáznegyvenhét";
    QTest::newRow("smallest 32-bit")
        << qint64(std::numeric_limits<qint32>::min())
        << "Mínusz Kettőmilliárd-egyszáznegyvenhétmillió-négyszáznyolcvanháromezer-hatszáznegyvennyolc";
    QTest::newRow("largest accepted") << qint64(999'999'999'999)
                                      << "Kilencszázkilencvenkilencmilliárd-kilencszázkilencvenkilencmillió-"
                                         "kilencszázkilencvenkilencezer-kilencszázkilencvenkilenc";
    QTest::newRow("smallest accepted")
        << qint64(-999'999'999'999)
        << "Mínusz Kilencszázkilencvenkilencmilliárd-kilencszázkilencvenkilencmillió-"
           "kilencszázkilencvenkilencezer-kilencszázkilencvenkilenc";
    QTest::newRow("negative") << qint64(-15) << "Mínusz Tizenöt";
    QTest::newRow("negative accented start") << qint64(-5) << "Mínusz Öt";
    QTest::newRow("negative one") << qint64(-1) << "Mínusz Egy";
}

void AmountWordsTest::numberToWords() {
    QFETCH(qint64, value);
    QFETCH(QString, words);
    QCOMPARE(NumberToWords(value), words);
}

void AmountWordsTest::magnitudeBeyondRangeIsAssertionFailure_data() {
    QTest::addColumn<qint64>("value");
    QTest::newRow("10^12") << qint64(1'000'000'000'000);
    QTest::newRow("-10^12") << qint64(-1'000'000'000'000);
    QTest::newRow("largest 64-bit") << std::numeric_limits<qint64>::max();
    // Its magnitude does not fit in 64 bits at all.
    QTest::newRow("smallest 64-bit") << std::numeric_limits<qint64>::min();
}

void AmountWordsTest::magnitudeBeyondRangeIsAssertionFailure() {
    QFETCH(qint64, value);
    try {
        NumberToWords(value);
        QFAIL("no assertion failure");
    } catch (const std::logic_error& error) {
        const QString text = QString::fromUtf8(error.what());
        static const QRegularExpression format(
            QStringLiteral(R"(^Assertion failure \(amount_words\.cpp, line \d+\)$)"));
        QVERIFY2(format.match(text).hasMatch(), qPrintable(text));
    }
}

void AmountWordsTest::amountFieldExit_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("error"); // empty when the conversion succeeds

    const QString previous = QStringLiteral("korábban beírt szöveg");
    QTest::newRow("empty keeps words") << "" << previous << "";
    QTest::newRow("blanks only keep words") << "    " << previous << "";
    QTest::newRow("control characters only keep words") << "\t\r\n" << previous << "";
    QTest::newRow("surrounding blanks trimmed") << " 42 "
                                                << "Negyvenkettő"
                                                << "";
    QTest::newRow("control characters trimmed") << "\t7\r\n"
                                                << "Hét"
                                                << "";
    QTest::newRow("zero") << "0"
                          << "Nulla"
                          << "";
    QTest::newRow("leading zeros") << "007"
                                   << "Hét"
                                   << "";
    QTest::newRow("plus sign") << "+5"
                               << "Öt"
                               << "";
    QTest::newRow("largest 32-bit")
        << "2147483647"
        << "Kettőmilliárd-egyszáznegyvenhétmillió-négyszáznyolcvanháromezer-hatszáznegyvenhét"
        << "";
    QTest::newRow("smallest 32-bit")
        << "-2147483648"
        << "Mínusz Kettőmilliárd-egyszáznegyvenhétmillió-négyszáznyolcvanháromezer-hatszáznegyvennyolc"
        << "";

    const auto invalid = [&](const char* row, const QString& amount, const QString& trimmed) {
        QTest::newRow(row) << amount << previous
                           << QStringLiteral("'%1' is not a valid integer value").arg(trimmed);
    };
    invalid("thousands separator", "1.000", "1.000");
    invalid("decimal part", "12,5", "12,5");
    invalid("letters, message names the trimmed text", "  abc ", "abc");
    invalid("blank inside", "1 000", "1 000");
    invalid("just above 32-bit range", "2147483648", "2147483648");
    invalid("just below 32-bit range", "-2147483649", "-2147483649");
    invalid("far beyond 64-bit range", "99999999999999999999999", "99999999999999999999999");
    invalid("sign alone", "-", "-");
    invalid("two signs", "+-5", "+-5");
    invalid("non-breaking space is not trimmed", QStringLiteral("\u00a042"), QStringLiteral("\u00a042"));
    invalid("digits of another script", QStringLiteral("\u0664\u0662"), QStringLiteral("\u0664\u0662"));
    invalid("accented letters survive in the message", "ötszáz", "ötszáz");
}

void AmountWordsTest::amountFieldExit() {
    QFETCH(QString, amount);
    QFETCH(QString, words);
    QFETCH(QString, error);

    QLineEdit amountField;
    QLineEdit wordsField;
    amountField.setText(amount);
    wordsField.setText(QStringLiteral("korábban beírt szöveg"));

    if (error.isEmpty()) {
        ::amountFieldExit(amountField, wordsField);
    } else {
        try {
            ::amountFieldExit(amountField, wordsField);
            QFAIL("no conversion error");
        } catch (const std::runtime_error& e) {
            QCOMPARE(QString::fromUtf8(e.what()), error);
        }
    }
    QCOMPARE(wordsField.text(), words);
    QCOMPARE(amountField.text(), amount);
}

QTEST_MAIN(AmountWordsTest)
#include "amount_words_test.moc"
