#pragma once
// Writing a whole file so that its name holds either the complete new content or what it
// held before, never a part: the bytes go to a temporary file beside the target, reach
// the disk, and only then does the temporary file take the target's name. A device, pipe
// or socket under the name is never replaced by a file; a name that is a symbolic link is
// written through, so the link stays and the file it names gets the content. A failure
// is told by its cause, read from the system's own error (errno, or on Windows the Win32
// error of the call that failed).

#include "core/file_failure.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace strs {

// How much a write may put on the disk: all it needs, or for a test, a disk with that
// many bytes free, which refuses the rest as a full disk does.
struct DiskSpace {
    std::uint64_t freeBytes = std::numeric_limits<std::uint64_t>::max();
};

struct FileWriteError {
    FileFailure failure = FileFailure::Other;
    std::string systemText;      // the system's words for the error, UTF-8
    std::string missingFolder;   // for LinkIntoMissingFolder: the folder the link points into
};

// Writes bytes to the file named by path (UTF-8); nothing on success.
std::optional<FileWriteError> WriteFileAtomically(const std::string& path, std::string_view bytes,
                                                  DiskSpace space = {});

}  // namespace strs
