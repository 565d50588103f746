#pragma once
// Why a file could not be written, told in the user's language: the system's error
// number read together with what the file system shows about the target and its folder
// (a missing folder and a folder that refuses new files give the same error number).

#include <string>

namespace strs {

enum class FileFailure {
    MissingFolder,
    FolderRefusesFiles,  // it exists, but files cannot be made there (such as /proc)
    NoPermission,
    ReadOnlyFileSystem,
    DiskFull,
    FileTooLarge,
    NameIsFolder,
    InvalidName,
    Other,
};

// What the file system shows at the time of the failure.
struct FileFacts {
    bool folderExists = true;
    bool targetIsFolder = false;
};

FileFailure ClassifyFileFailure(int systemError, const FileFacts& facts);

enum class MessageLanguage { Russian, English };

// One sentence ending with a full stop; empty for FileFailure::Other, for which the
// system's own text is to be shown.
std::string FileFailureText(FileFailure failure, MessageLanguage language);

}  // namespace strs
