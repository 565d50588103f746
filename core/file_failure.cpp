#include "core/file_failure.h"

#include <cerrno>

namespace strs {

FileFailure ClassifyFileFailure(int systemError, const FileFacts& facts) {
    if (facts.targetIsFolder || systemError == EISDIR)
        return FileFailure::NameIsFolder;
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
    case FileFailure::InvalidName:
        return russian ? "Недопустимое имя файла." : "The file name is not valid.";
    case FileFailure::Other:
        break;
    }
    return {};
}

}  // namespace strs
