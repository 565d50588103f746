#pragma once
// The bytes of a table file as UTF-8, whichever encoding a spreadsheet saved it in:
// UTF-8 (with or without a byte order mark), UTF-16 with its byte order mark, as
// "Unicode text" is saved, or, when the bytes are neither, Windows-1251, which a Russian
// spreadsheet writes as «CSV (разделители — запятые)». Read a block at a time, so that a
// long file is never held whole.

#include <QByteArray>
#include <QStringDecoder>

#include <cstddef>
#include <optional>

class QIODevice;

namespace strs::replay {

class DecodedInput {
public:
    enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Windows1251 };

    // Reads from the device's start; the device must be seekable and stay open while this
    // is read. Telling UTF-8 from Windows-1251 reads the whole device once beforehand.
    explicit DecodedInput(QIODevice& device);

    Encoding encoding() const { return encoding_; }

    // Fills up to size bytes of buffer with UTF-8 and returns how many; 0 at the end.
    std::size_t read(char* buffer, std::size_t size);

private:
    QIODevice& device_;
    Encoding encoding_ = Encoding::Utf8;
    std::optional<QStringDecoder> fromUtf16_;
    QByteArray pending_;  // decoded, not yet read
};

}  // namespace strs::replay
