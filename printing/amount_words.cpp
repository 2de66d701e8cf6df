#include "printing/amount_words.h"

#include <QLineEdit>
#include <array>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kartella::printing {

namespace {

// The source file's own name, without its folders, for the assertion message.
constexpr std::string_view baseName(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

[[noreturn]] void assertionFailure(std::string_view file, int line) {
    throw std::logic_error("Assertion failure (" + std::string(baseName(file)) + ", line " +
                           std::to_string(line) + ")");
}

// Indexed by a decimal digit; entry 0 is empty in each list.
const std::array<QString, 10>& unitWords() {
    static const std::array<QString, 10> words{QString(),
                                               QStringLiteral("egy"),
                                               QStringLiteral("kettő"),
                                               QStringLiteral("három"),
                                               QStringLiteral("négy"),
                                               QStringLiteral("öt"),
                                               QStringLiteral("hat"),
                                               QStringLiteral("hét"),
                                               QStringLiteral("nyolc"),
                                               QStringLiteral("kilenc")};
    return words;
}

// Tens digit when the units digit is 0.
const std::array<QString, 10>& wholeTens() {
    static const std::array<QString, 10> words{QString(),
                                               QStringLiteral("tíz"),
                                               QStringLiteral("húsz"),
                                               QStringLiteral("harminc"),
                                               QStringLiteral("negyven"),
                                               QStringLiteral("ötven"),
                                               QStringLiteral("hatvan"),
                                               QStringLiteral("hetven"),
                                               QStringLiteral("nyolcvan"),
                                               QStringLiteral("kilencven")};
    return words;
}

// Tens digit when a units digit follows.
const std::array<QString, 10>& tensPrefixes() {
    static const std::array<QString, 10> words{QString(),
                                               QStringLiteral("tizen"),
                                               QStringLiteral("huszon"),
                                               QStringLiteral("harminc"),
                                               QStringLiteral("negyven"),
                                               QStringLiteral("ötven"),
                                               QStringLiteral("hatvan"),
                                               QStringLiteral("hetven"),
                                               QStringLiteral("nyolcvan"),
                                               QStringLiteral("kilencven")};
    return words;
}

[[noreturn]] void notAnInteger(const QString& text) {
    throw std::runtime_error(QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
}

} // namespace

QString NumberToWords(qint64 value) {
    if (value == 0)
        return QStringLiteral("Nulla");
    // Compared before taking the magnitude, so that the most negative 64-bit value is refused
    // rather than overflowing.
    if (value > largestWordsAmount || value < -largestWordsAmount)
        assertionFailure(__FILE__, __LINE__);
    qint64 m = value < 0 ? -value : value;

    struct Group {
        qint64 divisor;
        QString word;
    };
    static const std::array<Group, 4> groups{{{1'000'000'000, QStringLiteral("milliárd")},
                                              {1'000'000, QStringLiteral("millió")},
                                              {1'000, QStringLiteral("ezer")},
                                              {1, QString()}}};

    QString result;
    for (const Group& group : groups) {
        if (m < group.divisor)
            continue;
        if (!result.isEmpty())
            result += u'-';
        const auto g = static_cast<int>(m / group.divisor);
        if (g >= 100)
            result += unitWords()[g / 100] + QStringLiteral("száz");
        const int r = g % 100;
        if (r % 10 != 0)
            result += tensPrefixes()[r / 10] + unitWords()[r % 10];
        else
            result += wholeTens()[r / 10];
        result += group.word;
        m %= group.divisor;
    }

    // Every word starts with a lower-case letter; an accented one ("öt") is capitalised too.
    result[0] = result[0].toUpper();
    if (value < 0)
        result.prepend(QStringLiteral("Mínusz "));
    return result;
}

qint32 textToInt32(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        notAnInteger(text);
    // Accumulated as a negative number so that -2147483648 fits without overflow.
    qint64 accumulated = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            notAnInteger(text);
        accumulated = accumulated * 10 - (c - u'0');
        if (accumulated < qint64(std::numeric_limits<qint32>::min()))
            notAnInteger(text);
    }
    if (!negative) {
        accumulated = -accumulated;
        if (accumulated > std::numeric_limits<qint32>::max())
            notAnInteger(text);
    }
    return static_cast<qint32>(accumulated);
}

QString trimBlanksAndControls(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

void amountFieldExit(const QLineEdit& amount, QLineEdit& words) {
    const QString trimmed = trimBlanksAndControls(amount.text());
    if (trimmed.isEmpty())
        return;
    // Both steps may throw; the words field is written only once the words are complete.
    const QString text = NumberToWords(textToInt32(trimmed));
    words.setText(text);
}

} // namespace kartella::printing
