#include "shell/file_writing.h"

#include "core/errors.h"
#include "core/file_failure.h"
#include "shell/translations.h"

#include <QDir>

namespace strs {

namespace {

// The window's language, whatever the locale's number format.
MessageLanguage UserLanguage() {
    return InstalledLanguage() == UiLanguage::Russian ? MessageLanguage::Russian : MessageLanguage::English;
}

}  // namespace

QString FileFailureReason(const FileWriteError& error) {
    QString reason = QString::fromStdString(FileFailureText(error.failure, UserLanguage()));
    if (reason.contains(u"%1"))
        reason = reason.arg(QDir::toNativeSeparators(QString::fromStdString(error.missingFolder)));
    return reason.isEmpty() ? QString::fromStdString(error.systemText) : reason;
}

void ThrowCannotCreate(const QString& fullName, const QString& reason) {
    throw FileCreateError(QDir::toNativeSeparators(fullName).toStdString(), reason.toStdString());
}

void WriteFile(const QByteArray& data, const QString& fullName, DiskSpace space) {
    const std::optional<FileWriteError> failed =
        WriteFileAtomically(fullName.toStdString(), std::string_view(data.constData(), std::size_t(data.size())), space);
    if (failed)
        ThrowCannotCreate(fullName, FileFailureReason(*failed));
}

}  // namespace strs
