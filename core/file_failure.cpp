#include "core/file_failure.h"

#include <cerrno>

namespace strs {

FileFailure ClassifyFileFailure(int systemError, const FileFacts& facts) {
    if (facts.targetIsFolder || systemError == EISDIR)
        return FileFailure::NameIsFolder;
    if (facts.targetIsSpecial)
        return FileFailure::NotARegularFile;
    if (facts.throughLink && !facts.folderExists)
        return FileFailure::LinkIntoMissingFolder;
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
    case FileFailure::Other:
        break;
    }
    return {};
}

}  // namespace strs
