#include "core/file_failure.h"

#include <cerrno>
#include <optional>

namespace strs {

namespace {

// What the file system shows decides before any error number: they tell the cause where
// one number stands for several.
std::optional<FileFailure> FailureShownByFacts(const FileFacts& facts) {
    if (facts.targetIsFolder)
        return FileFailure::NameIsFolder;
    if (facts.targetIsSpecial)
        return FileFailure::NotARegularFile;
    if (facts.throughLink && !facts.folderExists)
        return FileFailure::LinkIntoMissingFolder;
    if (facts.heldOpen)
        return FileFailure::HeldOpen;
    return std::nullopt;
}

// The Win32 errors a file write meets (winerror.h), by number, so that they are read the
// same on every system that builds this.
enum Win32Error : unsigned long {
    kFileNotFound = 2,
    kPathNotFound = 3,
    kAccessDenied = 5,
    kWriteProtect = 19,
    kSharingViolation = 32,
    kLockViolation = 33,
    kHandleDiskFull = 39,
    kDiskFull = 112,
    kInvalidName = 123,
    kBadPathname = 161,
    kFilenameTooLong = 206,
    kFileTooLarge = 223,
    kDirectory = 267,
    kUserMappedFile = 1224,
    kDiskQuotaExceeded = 1295,
};

}  // namespace

FileFailure ClassifyWindowsFileFailure(unsigned long win32Error, const FileFacts& facts) {
    if (const auto shown = FailureShownByFacts(facts))
        return *shown;
    switch (win32Error) {
    case kFileNotFound:
    case kPathNotFound:
        return facts.folderExists ? FileFailure::FolderRefusesFiles : FileFailure::MissingFolder;
    case kAccessDenied:
        return FileFailure::NoPermission;
    case kWriteProtect:
        return FileFailure::ReadOnlyFileSystem;
    case kSharingViolation:
    case kLockViolation:
    case kUserMappedFile:
        return FileFailure::HeldOpen;
    case kHandleDiskFull:
    case kDiskFull:
    case kDiskQuotaExceeded:
        return FileFailure::DiskFull;
    case kFileTooLarge:
        return FileFailure::FileTooLarge;
    case kInvalidName:
    case kBadPathname:
    case kFilenameTooLong:
        return FileFailure::InvalidName;
    case kDirectory:
        return FileFailure::NameIsFolder;
    default:
        return facts.folderExists ? FileFailure::Other : FileFailure::MissingFolder;
    }
}

FileFailure ClassifyFileFailure(int systemError, const FileFacts& facts) {
    if (systemError == EISDIR)
        return FileFailure::NameIsFolder;
    if (const auto shown = FailureShownByFacts(facts))
        return *shown;
    switch (systemError) {
    case ENOENT:
    case ENOTDIR:
        return facts.folderExists ? FileFailure::FolderRefusesFiles : FileFailure::MissingFolder;
    case EACCES:
    case EPERM:
        return FileFailure::NoPermission;
    case EROFS:
        return FileFailure::ReadOnlyFileSystem;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return FileFailure::DiskFull;
    case EFBIG:
        return FileFailure::FileTooLarge;
    case ENAMETOOLONG:
    case EINVAL:
#ifdef EILSEQ
    case EILSEQ:
#endif
        return FileFailure::InvalidName;
    default:
        return facts.folderExists ? FileFailure::Other : FileFailure::MissingFolder;
    }
}

std::string FileFailureText(FileFailure failure, MessageLanguage language) {
    const bool russian = language == MessageLanguage::Russian;
    switch (failure) {
    case FileFailure::MissingFolder:
        return russian ? "Такой папки нет." : "The folder does not exist.";
    case FileFailure::FolderRefusesFiles:
        return russian ? "В этой папке нельзя создавать файлы." : "Files cannot be created in this folder.";
    case FileFailure::NoPermission:
        return russian ? "Нет прав на запись в эту папку или этот файл."
                       : "There is no permission to write to this folder or file.";
    case FileFailure::ReadOnlyFileSystem:
        return russian ? "Диск доступен только для чтения." : "The disk is read-only.";
    case FileFailure::DiskFull:
        return russian ? "На диске не хватает места." : "There is not enough space on the disk.";
    case FileFailure::FileTooLarge:
        return russian ? "Файл больше, чем разрешено записывать." : "The file is larger than may be written.";
    case FileFailure::NameIsFolder:
        return russian ? "Под этим именем уже есть папка." : "A folder with this name exists.";
    case FileFailure::NotARegularFile:
        return russian ? "Под этим именем устройство, канал или сокет, а не файл; его нельзя заменить."
                       : "This name is a device, pipe or socket, not a file, and cannot be replaced.";
    case FileFailure::LinkIntoMissingFolder:
        return russian ? "Это ссылка в папку, которой нет: %1." : "This is a link into a folder that does not exist: %1.";
    case FileFailure::InvalidName:
        return russian ? "Недопустимое имя файла." : "The file name is not valid.";
    case FileFailure::HeldOpen:
        return russian ? "Файл открыт в другой программе; закройте его там и сохраните снова."
                       : "The file is open in another program; close it there and save again.";
    case FileFailure::Other:
        break;
    }
    return {};
}

}  // namespace strs
