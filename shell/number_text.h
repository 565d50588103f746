#pragma once
// The one text-to-number conversion and the one number-to-text format of the program.
// Both use the decimal separator of the active locale (QLocale()), a point where the
// locale names none.

#include "core/number_grammar.h"

#include <QString>

namespace strs {

// The locale's decimal separator.
QChar DecimalSeparator();

// The whole text, blanks before and after allowed: optional sign, digits with at most
// one decimal separator among them (at least one digit), optional exponent E/e with
// optional sign and digits. Throws strs::ConversionError with the text on failure;
// values beyond the double range are not numbers.
double StrToFloat(const QString& text);

// The same, without the exception.
bool TryStrToFloat(const QString& text, double& value);

// The general format for labels: shortest text with at most 15 significant digits,
// locale separator, no thousands separator, exponent form (1,5E-6) for magnitudes
// >= 1E15 or < 1E-5. With fewer significant digits d, the same form rounded to d
// digits, in exponent form from 10^d.
QString FloatToStr(double value, int significantDigits = kLabelDigits);

// A built-in text written with a comma ("0,001", "1,2"), with the active locale's
// separator instead.
QString LocalizedText(const char* commaText);

}  // namespace strs
