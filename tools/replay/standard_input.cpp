#include "tools/replay/standard_input.h"

#include <QString>

#include <algorithm>
#include <climits>
#include <cerrno>
#include <cstring>
#include <iterator>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace strs::replay {

namespace {

#ifdef Q_OS_WIN
HANDLE InputHandle() { return GetStdHandle(STD_INPUT_HANDLE); }

// A console gives text in its code page unless read as Unicode; a file or a pipe gives bytes.
bool IsConsole() {
    DWORD mode = 0;
    return GetFileType(InputHandle()) == FILE_TYPE_CHAR && GetConsoleMode(InputHandle(), &mode) != 0;
}

// One line typed at the console (up to the buffer's size) as UTF-8; empty at its end
// (Ctrl+Z at the start of a line, or the console gone).
QByteArray ReadConsoleText() {
    wchar_t buffer[4096];
    DWORD count = 0;
    if (!ReadConsoleW(InputHandle(), buffer, DWORD(std::size(buffer)), &count, nullptr) || count == 0)
        return {};
    if (buffer[0] == 0x1A)
        return {};
    return QString::fromWCharArray(buffer, qsizetype(count)).toUtf8();
}
#endif

}  // namespace

StandardInput::StandardInput() {
#ifdef Q_OS_WIN
    console_ = IsConsole();
    if (!console_)
        _setmode(_fileno(stdin), _O_BINARY);  // text mode would take CRs and miscount a file's positions
#endif
    open(QIODevice::ReadOnly);
}

qint64 StandardInput::readData(char* data, qint64 maxSize) {
    const auto size = static_cast<unsigned>(std::min<qint64>(maxSize, INT_MAX));
#ifdef Q_OS_WIN
    if (console_) {
        if (fromConsole_.isEmpty())
            fromConsole_ = ReadConsoleText();
        const qsizetype count = std::min<qsizetype>(size, fromConsole_.size());
        std::memcpy(data, fromConsole_.constData(), std::size_t(count));
        fromConsole_.remove(0, count);
        return count;
    }
    const int got = _read(0, data, size);
#else
    ssize_t got = 0;
    do
        got = ::read(STDIN_FILENO, data, size);
    while (got < 0 && errno == EINTR);
#endif
    if (got < 0) {
        failure_ = QString::fromLocal8Bit(std::strerror(errno));
        return 0;
    }
    return got;
}

}  // namespace strs::replay
