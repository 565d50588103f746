#pragma once
// The types a document can be saved as, and the file a chosen name stands for.

#include <QList>
#include <QString>

namespace strs {

struct FileType {
    QString filter;     // as a dialog lists it: "PDF (*.pdf)"
    QString extension;  // ".pdf"
};

// The file a chosen name stands for, and the index of its type among those offered: a
// name that ends in an offered type's extension (any case) is of that type; any other
// gets the selected type's extension.
struct CompletedName {
    QString name;
    int type = 0;
};
CompletedName CompleteName(const QString& chosen, const QList<FileType>& types, int selected);

}  // namespace strs
