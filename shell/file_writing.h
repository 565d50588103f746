#pragma once
// The program's files written whole (core/atomic_file.h): a failure is thrown as the
// error box shows it, the file's name and the cause in the window's language.

#include "core/atomic_file.h"

#include <QByteArray>
#include <QString>

namespace strs {

// Writes data to fullName so that a failure leaves an existing file as it was; throws
// strs::FileCreateError naming fullName and the cause.
void WriteFile(const QByteArray& data, const QString& fullName, DiskSpace space = {});

// The cause of a failed write as the error box words it: a text of ours in the window's
// language, or where there is none, the system's own words.
QString FileFailureReason(const FileWriteError& error);

// Throws strs::FileCreateError: "Cannot create file "fullName". reason".
[[noreturn]] void ThrowCannotCreate(const QString& fullName, const QString& reason);

}  // namespace strs
