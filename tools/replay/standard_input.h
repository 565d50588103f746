#pragma once
// Standard input as a sequential device that hands over the bytes as they arrive: a line
// written to a pipe is read at once, a file's bytes come as they are (no text-mode
// translation, nothing dropped at a NUL), whether the input is a pipe, a file or, on
// Windows, a console (read as Unicode, given as UTF-8).

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace strs::replay {

class StandardInput : public QIODevice {
public:
    // Opened for reading; on Windows standard input is switched to binary mode.
    StandardInput();

    bool isSequential() const override { return true; }
    // Why reading stopped before the end of the input; empty when it reached the end.
    const QString& failure() const { return failure_; }

protected:
    // Some bytes, waiting until at least one has arrived; 0 at the end of the input.
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    bool console_ = false;   // a Windows console: read as Unicode text
    QByteArray fromConsole_;  // read from the console as UTF-8, not yet handed over
    QString failure_;
};

}  // namespace strs::replay
