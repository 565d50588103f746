#include "app/scripting/decoded_input.h"

#include "core/text_encoding.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace strs::replay {

namespace {

constexpr qint64 kBlock = 64 * 1024;

std::string_view View(const QByteArray& bytes) { return {bytes.constData(), std::size_t(bytes.size())}; }

// Whether the device's bytes, from its start, are UTF-8 throughout. A sequence cut by the
// end of a block is judged with the next block.
bool AllUtf8(QIODevice& device) {
    device.seek(0);
    QByteArray text;
    while (true) {
        const QByteArray block = device.read(kBlock);
        text += block;
        const auto bad = FirstInvalidUtf8(View(text));
        if (block.isEmpty())
            return !bad;
        if (!bad) {
            text.clear();
        } else if (text.size() - qsizetype(*bad) < 4) {
            text.remove(0, qsizetype(*bad));  // perhaps the start of a character the next block ends
        } else {
            return false;
        }
    }
}

}  // namespace

DecodedInput::DecodedInput(QIODevice& device) : device_(device) {
    device_.seek(0);
    const QByteArray start = device_.peek(2);
    // The decoder drops the byte order mark itself.
    if (start == QByteArrayLiteral("\xFF\xFE")) {
        encoding_ = Encoding::Utf16LittleEndian;
        fromUtf16_.emplace(QStringConverter::Utf16LE);
    } else if (start == QByteArrayLiteral("\xFE\xFF")) {
        encoding_ = Encoding::Utf16BigEndian;
        fromUtf16_.emplace(QStringConverter::Utf16BE);
    } else if (!AllUtf8(device_)) {
        encoding_ = Encoding::Windows1251;
    }
    device_.seek(0);
}

std::size_t DecodedInput::read(char* buffer, std::size_t size) {
    if (encoding_ == Encoding::Utf8) {
        const qint64 got = device_.read(buffer, qint64(size));
        return got > 0 ? std::size_t(got) : 0;
    }
    while (pending_.isEmpty()) {
        const QByteArray raw = device_.read(kBlock);
        if (raw.isEmpty())
            return 0;  // an odd byte left at the end is no character
        pending_ = fromUtf16_ ? QString(fromUtf16_->decode(raw)).toUtf8()
                              : QByteArray::fromStdString(Windows1251ToUtf8(View(raw)));
    }
    const std::size_t count = std::min(size, std::size_t(pending_.size()));
    std::memcpy(buffer, pending_.constData(), count);
    pending_.remove(0, qsizetype(count));
    return count;
}

}  // namespace strs::replay
