#pragma once
// The class's answer table written as CSV or as a printable HTML page, in the window's
// language: CSV in UTF-8 with the labels' separators, HTML with its `lang`.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace strs::replay {

enum class VariantsFormat { Csv, Html };

// A column heading: what it shows, and the component name as a second line.
struct Heading {
    QString text;
    QString name;
};

class VariantTable {
public:
    VariantTable(VariantsFormat format, std::function<void(const QByteArray&)> out);

    void begin(const std::vector<Heading>& headings);
    void add(const QStringList& cells);
    void end();

private:
    static QString Escaped(const QString& text);
    void row(const QStringList& cells, const char* tag);

    VariantsFormat format_;
    std::function<void(const QByteArray&)> out_;
};

}  // namespace strs::replay
