#pragma once
// «Ответы по вариантам…» inside the workbench: a class's answer keys from the same tables
// strs-replay --variants reads, run in hidden windows of their own (the student's session
// is not touched), with a progress bar and a button that cancels.

#include "app/scripting/variant_table.h"
#include "shell/file_saving.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

class QIODevice;
class QWidget;

namespace strs::session {

// HTML first (a table to print), then CSV.
QList<FileType> ClassKeyFileTypes();
// The format of the type at that index of ClassKeyFileTypes.
replay::VariantsFormat ClassKeyFormat(int type);

// The keys of every good row of the table; each bad row's message is added to badRows.
// Nothing when the user cancelled.
std::optional<QByteArray> MakeClassKeys(QWidget* parent, QIODevice& table, replay::VariantsFormat format,
                                        QStringList& badRows);

}  // namespace strs::session
