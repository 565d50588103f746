#pragma once
// Why a file could not be written, told in the user's language: the system's error
// number (errno, or on Windows the Win32 error) read together with what the file system
// shows about the target and its folder (a missing folder and a folder that refuses new
// files give the same error number).

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
    NotARegularFile,        // a device, pipe or socket: never replaced by a file
    LinkIntoMissingFolder,  // the name is a link into a folder that does not exist
    InvalidName,
    HeldOpen,  // another program holds the file open and does not let it be replaced
    Other,
};

// What the file system shows at the time of the failure, about what a write to the name
// would reach: a link's own target.
struct FileFacts {
    bool folderExists = true;
    bool targetIsFolder = false;
    bool targetIsSpecial = false;  // it exists and is neither a regular file nor a folder
    bool throughLink = false;      // the name is a symbolic link
    bool heldOpen = false;         // another program has the file open without sharing it
};

// From errno.
FileFailure ClassifyFileFailure(int systemError, const FileFacts& facts);
// From a Win32 error (GetLastError).
FileFailure ClassifyWindowsFileFailure(unsigned long win32Error, const FileFacts& facts);

enum class MessageLanguage { Russian, English };

// One sentence ending with a full stop; empty for FileFailure::Other, for which the
// system's own text is to be shown. LinkIntoMissingFolder's text holds "%1" where the
// missing folder is to be named.
std::string FileFailureText(FileFailure failure, MessageLanguage language);

}  // namespace strs
