#include "app/scripting/variant_table.h"

#include "core/csv.h"
#include "shell/chart_export.h"
#include "shell/translations.h"

#include <QCoreApplication>

#include <string>

namespace strs::replay {

VariantTable::VariantTable(VariantsFormat format, std::function<void(const QByteArray&)> out)
    : format_(format), out_(std::move(out)) {}

void VariantTable::begin(const std::vector<Heading>& headings) {
    if (format_ == VariantsFormat::Csv) {
        QStringList cells;
        for (const Heading& h : headings)
            cells << (h.name.isEmpty() ? h.text : h.text + u'\n' + h.name);
        row(cells, nullptr);
        return;
    }
    const bool english = InstalledLanguage() == UiLanguage::English;
    out_(QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                        "<title>%2</title>\n<style>\n"
                        "body { font-family: sans-serif; font-size: 10pt; }\n"
                        "table { border-collapse: collapse; }\n"
                        "th, td { border: 1px solid #888; padding: 2px 6px; text-align: left; }\n"
                        "th { background: #eee; vertical-align: bottom; }\n"
                        "th small { font-weight: normal; color: #555; }\n"
                        "tr { page-break-inside: avoid; }\n"
                        "</style>\n</head>\n<body>\n<table>\n<thead>\n<tr>")
             .arg(english ? QStringLiteral("en") : QStringLiteral("ru"),
                  QCoreApplication::translate("strs::replay::Variants", "Ответы по вариантам"))
             .toUtf8());
    QString html;
    for (const Heading& h : headings) {
        html += h.name.isEmpty() ? QStringLiteral("<th>%1</th>").arg(Escaped(h.text))
                                 : QStringLiteral("<th title=\"%2\">%1<br><small>%2</small></th>")
                                       .arg(Escaped(h.text), Escaped(h.name));
    }
    out_((html + QStringLiteral("</tr>\n</thead>\n<tbody>\n")).toUtf8());
}

void VariantTable::add(const QStringList& cells) { row(cells, "td"); }

void VariantTable::end() {
    if (format_ == VariantsFormat::Html)
        out_(QByteArrayLiteral("</tbody>\n</table>\n</body>\n</html>\n"));
}

QString VariantTable::Escaped(const QString& text) { return text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")); }

void VariantTable::row(const QStringList& cells, const char* tag) {
    if (format_ == VariantsFormat::Csv) {
        std::vector<std::string> text;
        for (const QString& cell : cells)
            text.push_back(cell.toStdString());
        out_(QByteArray::fromStdString(CsvRow(text, CsvFieldSeparator())));
        return;
    }
    const QString open = QStringLiteral("<%1>").arg(QLatin1String(tag));
    const QString close = QStringLiteral("</%1>").arg(QLatin1String(tag));
    QString html = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        html += open + Escaped(cell) + close;
    out_((html + QStringLiteral("</tr>\n")).toUtf8());
}

}  // namespace strs::replay
