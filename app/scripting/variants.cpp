#include "app/scripting/variants.h"

#include "app/main_window.h"
#include "app/scripting/replay_session.h"
#include "app/scripting/variant_check.h"
#include "app/scripting/variant_rows.h"

#include <QBuffer>
#include <QCoreApplication>

#include <vector>

namespace strs::replay {

namespace {

QString Tr(const char* source) { return QCoreApplication::translate("strs::replay::Variants", source); }

// What the first pass learns: the header, which pages the good rows use, how many there
// are, and how many rows are bad.
struct Survey {
    QStringList header;
    std::vector<bool> pagesUsed = std::vector<bool>(5, false);
    int goodRows = 0;
    int badRows = 0;
};

// Checks every row, naming each bad one; nothing when the header is bad.
std::optional<Survey> SurveyRows(QIODevice& input, char separator, const WindowMap& map,
                                 const VariantsOutput& output) {
    VariantRows rows(input, separator);
    const HeaderOrProblem read = ReadHeader(rows);
    if (!read.header) {
        output.message(read.problem);
        return std::nullopt;
    }
    Survey survey;
    survey.header = read.header->columns;
    QStringList cells;
    int row = 0;
    while (true) {
        const VariantRows::Result result = rows.next(cells, row);
        if (result == VariantRows::Result::End)
            break;
        if (result == VariantRows::Result::OpenQuote) {
            output.message(QStringLiteral("row %1: a quotation mark is not closed").arg(row));
            ++survey.badRows;
            break;
        }
        const VariantOrProblem checked = CheckVariant(row, survey.header, cells, map);
        if (checked.variant) {
            survey.pagesUsed[std::size_t(checked.variant->page)] = true;
            ++survey.goodRows;
        } else {
            output.message(checked.problem);
            ++survey.badRows;
        }
    }
    return survey;
}

std::vector<Heading> Headings(const QStringList& header, const std::vector<ResultColumn>& results) {
    std::vector<Heading> headings{{Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "Строка")), {}}};
    for (const QString& name : header)
        headings.push_back({name, {}});
    for (const ResultColumn& column : results)
        headings.push_back({column.heading, column.name});
    headings.push_back({Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "Ошибка")), {}});
    return headings;
}

// Runs one variant in the session (after its fresh start) and writes its output row: the
// row number, the cells as read, the results its page shows and the error text.
void RunVariant(ReplaySession& session, const Variant& v, const QStringList& header,
                const std::vector<ResultColumn>& results, VariantTable& table) {
    for (const ScriptLine& action : v.actions)
        session.execute(action);
    QStringList cells{QString::number(v.row)};
    for (qsizetype c = 0; c < header.size(); ++c)
        cells << v.cells.value(c);
    for (const ResultColumn& column : results)
        cells << ValueOf(column, v.page, session.window());
    cells << session.takeErrors().join(u'\n');
    table.add(cells);
}

}  // namespace

int RunVariants(QIODevice& input, VariantsFormat format, const VariantsOutput& output, ReplaySession::Windows windows) {
    ReplaySession session([](const QByteArray&) {}, windows);
    const WindowMap map(session.window());
    const char separator = SeparatorOf(input);

    // A first pass checks every row, so that the output knows its columns before the first
    // variant runs; the second runs them. Neither keeps more than one row.
    const std::optional<Survey> survey = SurveyRows(input, separator, map, output);
    if (!survey)
        return 1;
    const std::vector<ResultColumn> results = map.columnsOn(survey->pagesUsed);
    VariantTable table(format, output.table);
    table.begin(Headings(survey->header, results));

    VariantRows rows(input, separator);
    QStringList cells;
    int row = 0;
    rows.next(cells, row);  // the header
    int done = 0;
    while (rows.next(cells, row) == VariantRows::Result::Row) {
        const VariantOrProblem checked = CheckVariant(row, survey->header, cells, map);
        if (!checked.variant)
            continue;  // named in the first pass
        if (done > 0)
            session.execute({row, QStringLiteral("restart"), {}});
        RunVariant(session, *checked.variant, survey->header, results, table);
        ++done;
        if (output.progress && !output.progress(done, survey->goodRows))
            break;
    }
    table.end();
    return survey->badRows;
}

int RunVariants(const QString& csv, VariantsFormat format, const VariantsOutput& output) {
    QByteArray bytes = csv.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return RunVariants(buffer, format, output);
}

}  // namespace strs::replay
