#pragma once
// Answer keys for a whole class: a table of variants, one a row, each run from a fresh
// start (page, law or order, field values, one press of the page's «Обновить»), and
// one output row with every label the page shows afterwards and the error text.
//
// The input is CSV with a header row (variant_rows.h): columns "page" (1-4, required),
// "law" (page 1, 0-4), "order" (pages 2 and 4, 0 or 1), "id" (free text copied to the
// output), and any field by its component name (E11, E21, ...). A number may be written
// with a point or a comma; an empty cell leaves the field's start text.

#include "app/scripting/replay_session.h"
#include "app/scripting/variant_table.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace strs::replay {

struct VariantsOutput {
    std::function<void(const QByteArray&)> table;  // the output, piece by piece
    std::function<void(const QString&)> message;   // one line for each bad row
    // After each variant run: how many have run, of how many good rows; false stops the
    // run there (the table is ended). None: every row runs.
    std::function<bool(int done, int total)> progress = {};
};

// Runs every good row of the input, which must be seekable: it is read twice, a row at
// a time, so that memory does not grow with the number of rows. A bad row gets a message
// naming its row and column and is left out; a header row without a "page" column or
// with a name twice ends the run with its message. Returns the number of bad rows (1 when
// the header is bad).
// The variants run in windows shown as strs-replay shows them, or hidden inside the
// workbench.
int RunVariants(QIODevice& input, VariantsFormat format, const VariantsOutput& output,
                ReplaySession::Windows windows = ReplaySession::Windows::Shown);

// The same for a whole text held in memory.
int RunVariants(const QString& csv, VariantsFormat format, const VariantsOutput& output);

}  // namespace strs::replay
