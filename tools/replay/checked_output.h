#pragma once
// Standard output that notices when its bytes do not arrive: a full disk, a closed
// device, a reader that stopped early. A teacher's answer key that could not be written
// whole must not end with a success status.

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace strs::replay {

// Thrown by CheckedOutput::write once a write failed; the run stops there.
class OutputFailed : public std::runtime_error {
public:
    OutputFailed() : std::runtime_error("the output cannot be written") {}
};

class CheckedOutput {
public:
    // Standard output, with SIGPIPE ignored: a reader that has gone is a failed write
    // to be told apart, not the end of the process.
    CheckedOutput();

    // Writes the bytes whole; throws OutputFailed when they could not be.
    void write(const QByteArray& bytes);
    // The bytes and a line end, handed on at once (a reader may be waiting for the line).
    void writeLine(const QByteArray& bytes);

    // Flushes and closes standard output; false when anything written did not arrive.
    bool finish();

    // The reader stopped reading (a pipe to `head -1`): not the tool's failure.
    bool readerGone() const { return readerGone_; }
    // Why the output failed, in the system's words.
    const QString& failure() const { return failure_; }

private:
    void record(int systemError);
    [[noreturn]] void fail(int systemError);

    bool failed_ = false;
    bool readerGone_ = false;
    QString failure_;
};

}  // namespace strs::replay
