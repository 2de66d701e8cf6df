#pragma once
// Whole amounts written out in Hungarian words, as the payment slips carry them beside the
// figures, and the routine the slips' amount fields run when the user leaves them.

#include <QString>
#include <QtGlobal>

class QLineEdit;

namespace kartella::printing {

// The largest magnitude NumberToWords accepts (just under 10^12).
inline constexpr qint64 largestWordsAmount = 999'999'999'999;

// Writes value out in Hungarian: groups of milliárd, millió, ezer and units joined by "-",
// "egy" and "kettő" written in every compound, no blanks inside the words, the first letter
// capitalised (accented letters too, so 5 gives "Öt") and "Mínusz " before a negative value.
// 0 gives "Nulla". A magnitude above largestWordsAmount is a programming error: it throws
// std::logic_error "Assertion failure (<source file>, line <n>)".
QString NumberToWords(qint64 value);

// Converts text to a signed 32-bit integer: an optional '+' or '-' followed by decimal digits
// only, nothing else (no blanks, separators or decimal part), within the 32-bit range.
// Anything else throws std::runtime_error "'<text>' is not a valid integer value" (UTF-8).
qint32 textToInt32(const QString& text);

// Removes the characters with a code of 32 (the blank) or below from both ends.
QString trimBlanksAndControls(const QString& text);

// What an amount field does when the user leaves it: its text, trimmed of blanks and control
// characters, is empty -> nothing happens; otherwise it is converted by textToInt32 and the
// words field's whole text becomes NumberToWords of it. When the conversion fails the error
// propagates to the standard error report and the words field keeps its text.
void amountFieldExit(const QLineEdit& amount, QLineEdit& words);

} // namespace kartella::printing
