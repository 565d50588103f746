#pragma once
// The bytes of a table file as UTF-8, whichever encoding a spreadsheet saved it in:
// UTF-8 (with or without a byte order mark), or UTF-16 with its byte order mark, as
// "Unicode text" is saved. Read a block at a time, so that a long file is never held whole.

#include <QByteArray>
#include <QStringDecoder>

#include <cstddef>
#include <optional>

class QIODevice;

namespace strs::replay {

class DecodedInput {
public:
    // Reads from the device's start; the device must stay open while this is read.
    explicit DecodedInput(QIODevice& device);

    // Fills up to size bytes of buffer with UTF-8 and returns how many; 0 at the end.
    std::size_t read(char* buffer, std::size_t size);

private:
    QIODevice& device_;
    std::optional<QStringDecoder> fromUtf16_;  // none for UTF-8, which passes as it is
    QByteArray pending_;                       // decoded, not yet read
};

}  // namespace strs::replay
