#include "resources/generate/bmp16_writer.h"

#include <QColor>

#include <array>
#include <cstdint>
#include <limits>

namespace strs::pictures {
namespace {

// The 16 colours of the Windows default palette, in its order.
constexpr std::array<QRgb, 16> kPalette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xff808080,
    0xffc0c0c0, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPixelsPerMetre = 3780;  // 96 dots per inch

int NearestPaletteIndex(QRgb colour) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < static_cast<int>(kPalette.size()); ++i) {
        const int dr = qRed(colour) - qRed(kPalette[i]);
        const int dg = qGreen(colour) - qGreen(kPalette[i]);
        const int db = qBlue(colour) - qBlue(kPalette[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

void Put16(QByteArray& out, std::uint16_t value) {
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>(value >> 8));
}

void Put32(QByteArray& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xff));
}

}  // namespace

QByteArray EncodeBmp16(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const int rowBytes = (width * 4 + 31) / 32 * 4;  // rows are padded to 4 bytes
    const int paletteBytes = static_cast<int>(kPalette.size()) * 4;
    const int pixelOffset = kFileHeaderSize + kInfoHeaderSize + paletteBytes;
    const int fileSize = pixelOffset + rowBytes * height;

    QByteArray out;
    out.reserve(fileSize);
    out.append("BM");
    Put32(out, static_cast<std::uint32_t>(fileSize));
    Put32(out, 0);  // reserved
    Put32(out, static_cast<std::uint32_t>(pixelOffset));

    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));  // positive: rows stored bottom-up
    Put16(out, 1);                                   // planes
    Put16(out, 4);                                   // bits per pixel
    Put32(out, 0);                                   // uncompressed
    Put32(out, static_cast<std::uint32_t>(rowBytes * height));
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, static_cast<std::uint32_t>(kPalette.size()));  // colours used
    Put32(out, 0);                                            // all important

    for (const QRgb colour : kPalette) {
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append('\0');
    }

    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const int index = NearestPaletteIndex(line[x]);
            char& byte = row[x / 2];
            byte = static_cast<char>(byte | (x % 2 == 0 ? index << 4 : index));  // left pixel high
        }
        out.append(row);
    }
    return out;
}

}  // namespace strs::pictures
