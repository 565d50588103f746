#pragma once
// In the browser the program has no files of its own that a user could keep: a document
// it makes is handed to the browser, which saves it in the browser's way (Chromium's save
// picker where it has one, otherwise a download under the name). Elsewhere documents are
// written to files.

#include <QByteArray>
#include <QString>

namespace strs {

// Documents go to the browser instead of files: true in the browser.
bool SavedFilesAreDownloads();

// Hands the document to the browser under fileName (a name without a folder). False when
// the user cancelled the browser's save picker; throws strs::Error with the browser's
// reason when it would not take the document, so that the window says so (a download
// that the browser blocks without a word cannot be told). Browser only.
bool OfferToBrowser(const QByteArray& bytes, const QString& fileName);

}  // namespace strs
