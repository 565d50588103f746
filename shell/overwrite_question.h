#pragma once
// The question asked before a file the user named is replaced; the name asked about is
// always the one that will be written, with any extension the program completes.

#include <QString>

#include <functional>

class QWidget;

namespace strs {

// Asked before an existing file is replaced; true replaces it. A test passes its own.
using OverwriteQuestion = std::function<bool(QWidget* parent, const QString& shownName)>;

// The Yes/No box, "No" the default.
bool AskInMessageBox(QWidget* parent, const QString& shownName);

// The question's text, in the window's language.
QString OverwriteQuestionText(const QString& shownName);

// True when fullName may be written: no file is there, or the user agrees to replace it.
// A folder or a device under the name is left to the write, which refuses it.
bool MayWriteOver(QWidget* parent, const QString& fullName, const OverwriteQuestion& ask);

}  // namespace strs
