#pragma once
// In the browser a program's files live in the page's memory and go with it. A file the
// user has just saved is handed to the browser as a download under its own name, and
// taken out of that memory. Elsewhere the file stays where it was written.

#include <QString>

namespace strs {

// Files written by the program land where the user can keep them: true in the browser.
bool SavedFilesAreDownloads();

// The download of the file just written, in the browser; nothing elsewhere.
void HandSavedFileToUser(const QString& fullName);

}  // namespace strs
