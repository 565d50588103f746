#pragma once
// Where a browser saves a document, the browser asks: the window only asks for the name
// and the type, in a small dialog of its own (no make-believe file system is shown). A
// name that ends in an offered type's extension chooses that type, as in a file dialog.

#include "shell/file_types.h"

#include <QList>
#include <QString>

#include <optional>

class QWidget;

namespace strs {

// The name as typed and the index of the type selected; nothing on cancel.
std::optional<CompletedName> AskNameAndType(QWidget* parent, const QString& title, const QList<FileType>& types,
                                            const QString& suggestedName, int selectedType = 0);

}  // namespace strs
