#include "tools/replay/checked_output.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace strs::replay {

CheckedOutput::CheckedOutput() {
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

void CheckedOutput::record(int systemError) {
    failed_ = true;
    readerGone_ = systemError == EPIPE;
    failure_ = QString::fromLocal8Bit(std::strerror(systemError));
}

void CheckedOutput::fail(int systemError) {
    record(systemError);
    throw OutputFailed();
}

void CheckedOutput::write(const QByteArray& bytes) {
    if (failed_)
        throw OutputFailed();
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) != std::size_t(bytes.size()))
        fail(errno != 0 ? errno : EIO);
}

void CheckedOutput::writeLine(const QByteArray& bytes) {
    write(bytes + '\n');
    errno = 0;
    if (std::fflush(stdout) != 0)
        fail(errno != 0 ? errno : EIO);
}

bool CheckedOutput::finish() {
    if (failed_)
        return false;
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int flushError = errno;
    errno = 0;
    const bool closed = std::fclose(stdout) == 0;
    const int closeError = errno;
    if (flushed && closed)
        return true;
    const int error = !flushed ? flushError : closeError;
    record(error != 0 ? error : EIO);
    return false;
}

}  // namespace strs::replay
