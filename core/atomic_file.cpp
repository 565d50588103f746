#include "core/atomic_file.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace strs {

namespace {

// The folder part of a path: up to its last separator ("." for a bare name).
std::string FolderOf(const std::string& path) {
#ifdef _WIN32
    const std::size_t slash = path.find_last_of("/\\");
#else
    const std::size_t slash = path.rfind('/');
#endif
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
#ifdef _WIN32
    const std::size_t slash = path.find_last_of("/\\");
#else
    const std::size_t slash = path.rfind('/');
#endif
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A name for the temporary file, hidden beside the target, that no other write uses.
std::string TemporaryName(const std::string& target, int attempt) {
    static std::atomic<unsigned> counter{0};
    const auto now = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    const unsigned long long tag = (now * 2654435761ull) ^ (counter++ * 40503ull) ^ unsigned(attempt);
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%06llx", tag & 0xFFFFFFull);
    return FolderOf(target) + "/." + BaseOf(target) + suffix + ".tmp";
}

#ifdef _WIN32

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), size);
    return wide;
}

std::string Utf8(const wchar_t* wide, int length) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

std::string SystemText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string utf8 = length != 0 ? Utf8(text, int(length)) : "Windows error " + std::to_string(error);
    LocalFree(text);
    while (!utf8.empty() && std::strchr(" \r\n", utf8.back()) != nullptr)
        utf8.pop_back();
    return utf8;
}

DWORD Attributes(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()); }

bool IsFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Another program has the file open without letting it be deleted or replaced (a
// spreadsheet with the table open): asking for the right to delete it is refused.
bool HeldOpenElsewhere(const std::string& path) {
    const HANDLE probe = CreateFileW(Wide(path).c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

FileFacts FactsAbout(const std::string& target) {
    FileFacts facts;
    facts.folderExists = IsFolder(Attributes(FolderOf(target)));
    facts.targetIsFolder = IsFolder(Attributes(target));
    facts.heldOpen = !facts.targetIsFolder && Attributes(target) != INVALID_FILE_ATTRIBUTES && HeldOpenElsewhere(target);
    return facts;
}

FileWriteError Failure(DWORD error, const std::string& target) {
    return {ClassifyWindowsFileFailure(error, FactsAbout(target)), SystemText(error), {}};
}

// Every byte, then flushed to the disk; 0, or the Win32 error that stopped it.
DWORD WriteAll(HANDLE file, std::string_view bytes, DiskSpace space) {
    const std::size_t allowed = std::size_t(std::min<std::uint64_t>(bytes.size(), space.freeBytes));
    std::size_t done = 0;
    while (done < allowed) {
        const DWORD chunk = DWORD(std::min<std::size_t>(allowed - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr))
            return GetLastError();
        done += written;
    }
    if (allowed < bytes.size())
        return ERROR_DISK_FULL;
    return FlushFileBuffers(file) ? 0 : GetLastError();
}

// The temporary file takes the target's name; 0, or the Win32 error.
DWORD Replace(const std::string& temporary, const std::string& target) {
    SetFileAttributesW(Wide(temporary).c_str(), FILE_ATTRIBUTE_NORMAL);
    // A read-only file, or one another program holds open, is never replaced, whatever the
    // file system underneath would allow (Wine's lets both be renamed over).
    const DWORD attributes = Attributes(target);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return ERROR_ACCESS_DENIED;
    if (attributes != INVALID_FILE_ATTRIBUTES && HeldOpenElsewhere(target))
        return ERROR_SHARING_VIOLATION;
    const BOOL moved = MoveFileExW(Wide(temporary).c_str(), Wide(target).c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return moved ? 0 : GetLastError();
}

std::optional<FileWriteError> WriteThroughTemporary(const std::string& target, std::string_view bytes,
                                                    DiskSpace space) {
    if (IsFolder(Attributes(target)))
        return Failure(ERROR_DIRECTORY, target);
    std::string temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = TemporaryName(target, attempt);
        file = CreateFileW(Wide(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return Failure(GetLastError(), target);
    }
    if (file == INVALID_HANDLE_VALUE)
        return Failure(ERROR_FILE_EXISTS, target);
    DWORD error = WriteAll(file, bytes, space);
    if (!CloseHandle(file) && error == 0)
        error = GetLastError();
    if (error == 0)
        error = Replace(temporary, target);
    if (error == 0)
        return std::nullopt;
    DeleteFileW(Wide(temporary).c_str());
    return Failure(error, target);
}

#else

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A device, pipe or socket (through a link, too): something a file must never replace.
bool IsSpecial(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

std::string Absolute(const std::string& path) {
    if (!path.empty() && path[0] == '/')
        return path;
    std::string folder(PATH_MAX, '\0');
    if (getcwd(folder.data(), folder.size()) == nullptr)
        return path;
    folder.resize(std::strlen(folder.c_str()));
    return folder + "/" + path;
}

// What a write to the name reaches: the file at the end of its links, and whether there
// were any.
struct Target {
    std::string path;
    bool throughLink = false;
};

Target Resolve(const std::string& name) {
    Target target{Absolute(name), false};
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (lstat(target.path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            break;
        std::string link(PATH_MAX, '\0');
        const ssize_t length = readlink(target.path.c_str(), link.data(), link.size());
        if (length < 0)
            break;
        link.resize(std::size_t(length));
        target.path = link[0] == '/' ? link : FolderOf(target.path) + "/" + link;
        target.throughLink = true;
    }
    return target;
}

FileWriteError Failure(int error, const Target& target) {
    const FileFacts facts{IsFolder(FolderOf(target.path)), IsFolder(target.path), IsSpecial(target.path),
                          target.throughLink};
    return {ClassifyFileFailure(error, facts), error != 0 ? std::strerror(error) : "", FolderOf(target.path)};
}

// Every byte, through interruptions and short writes; 0, or the error that stopped it.
int WriteAll(int file, std::string_view bytes, DiskSpace space) {
    const std::size_t allowed = std::size_t(std::min<std::uint64_t>(bytes.size(), space.freeBytes));
    std::size_t done = 0;
    while (done < allowed) {
        const ssize_t written = write(file, bytes.data() + done, allowed - done);
        if (written < 0 && errno != EINTR)
            return errno;
        if (written == 0)  // a device that takes nothing and says nothing
            return EIO;
        done += std::size_t(std::max<ssize_t>(written, 0));
    }
    if (allowed < bytes.size())
        return ENOSPC;
    return fsync(file) == 0 ? 0 : errno;
}

// The new name itself reaches the disk. Not every file system can sync a folder; the file
// is written either way.
void SyncFolder(const std::string& folder) {
    const int handle = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        fsync(handle);
        close(handle);
    }
}

std::optional<FileWriteError> WriteThroughTemporary(const std::string& name, std::string_view bytes,
                                                    DiskSpace space) {
    const Target target = Resolve(name);
    if (IsSpecial(target.path) || IsFolder(target.path))
        return Failure(0, target);
    // The new file keeps the old one's permissions.
    struct stat old {};
    const bool replacing = stat(target.path.c_str(), &old) == 0;
    std::string temporary;
    int file = -1;
    for (int attempt = 0; attempt < 100 && file < 0; ++attempt) {
        temporary = TemporaryName(target.path, attempt);
        file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file < 0 && errno != EEXIST)
            return Failure(errno, target);
    }
    if (file < 0)
        return Failure(EEXIST, target);
    // Where the file system keeps no permissions (a FAT memory stick, a Windows share) the
    // new file simply has the mount's, as the old one had.
    int error = replacing && fchmod(file, old.st_mode & 07777) != 0 && errno != EPERM && errno != ENOTSUP ? errno : 0;
    if (error == 0)
        error = WriteAll(file, bytes, space);
    if (close(file) != 0 && error == 0)
        error = errno;
    if (error == 0 && rename(temporary.c_str(), target.path.c_str()) != 0)
        error = errno;
    if (error == 0) {
        SyncFolder(FolderOf(target.path));
        return std::nullopt;
    }
    unlink(temporary.c_str());
    return Failure(error, target);
}

#endif

}  // namespace

std::optional<FileWriteError> WriteFileAtomically(const std::string& path, std::string_view bytes, DiskSpace space) {
    return WriteThroughTemporary(path, bytes, space);
}

}  // namespace strs
