#include "shell/number_text.h"

#include "core/errors.h"
#include "core/number_grammar.h"

#include <QLocale>
#include <QStringView>

namespace strs {

QChar DecimalSeparator() {
    // The C locale, and any locale without a one-character separator, reads a point.
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 ? point.front() : QLatin1Char('.');
}

bool TryStrToFloat(const QString& text, double& value) {
    const QStringView view(text);
    const std::optional<double> parsed =
        ParseDecimalNumber(std::u16string_view(view.utf16(), static_cast<std::size_t>(view.size())),
                           DecimalSeparator().unicode());
    if (!parsed)
        return false;
    value = *parsed;
    return true;
}

double StrToFloat(const QString& text) {
    double value = 0.0;
    if (!TryStrToFloat(text, value))
        throw ConversionError(text.toStdString());
    return value;
}

QString FloatToStr(double value, int significantDigits) {
    return QString::fromStdU16String(FormatGeneralNumber(value, DecimalSeparator().unicode(), significantDigits));
}

QString LocalizedText(const char* commaText) {
    QString text = QString::fromUtf8(commaText);
    text.replace(QLatin1Char(','), DecimalSeparator());
    return text;
}

}  // namespace strs
