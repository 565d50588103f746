#include "tools/replay/decoded_input.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace strs::replay {

namespace {

constexpr qint64 kBlock = 64 * 1024;

}  // namespace

DecodedInput::DecodedInput(QIODevice& device) : device_(device) {
    device_.seek(0);
    const QByteArray start = device_.peek(2);
    // The decoder drops the byte order mark itself.
    if (start == QByteArrayLiteral("\xFF\xFE"))
        fromUtf16_.emplace(QStringConverter::Utf16LE);
    else if (start == QByteArrayLiteral("\xFE\xFF"))
        fromUtf16_.emplace(QStringConverter::Utf16BE);
}

std::size_t DecodedInput::read(char* buffer, std::size_t size) {
    if (!fromUtf16_) {
        const qint64 got = device_.read(buffer, qint64(size));
        return got > 0 ? std::size_t(got) : 0;
    }
    while (pending_.isEmpty()) {
        const QByteArray raw = device_.read(kBlock);
        if (raw.isEmpty())
            return 0;  // an odd byte left at the end is no character
        pending_ = QString(fromUtf16_->decode(raw)).toUtf8();
    }
    const std::size_t count = std::min(size, std::size_t(pending_.size()));
    std::memcpy(buffer, pending_.constData(), count);
    pending_.remove(0, qsizetype(count));
    return count;
}

}  // namespace strs::replay
