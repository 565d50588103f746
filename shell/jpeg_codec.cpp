#include "shell/jpeg_codec.h"

#include "core/errors.h"

#include <csetjmp>
#include <cstddef>
#include <new>
#include <string>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

// libjpeg reports failures through error_exit, whose default ends the process. Ours
// jumps back to the call that started the failing step, and that call throws. Only
// libjpeg calls and plain values run between the setjmp and a possible longjmp, so the
// jump never skips a C++ destructor; the sessions that own libjpeg's state live outside
// the guarded steps and release it on every way out.

namespace strs {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;  // first member: libjpeg sees only this part
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings (level -1) mean corrupt or truncated data, which libjpeg would otherwise
// paper over with grey; a picture that is not whole is refused. Trace messages
// (level >= 0) are dropped.
void FailOnWarning(j_common_ptr info, int level) {
    if (level < 0)
        JumpOnError(info);
}

void InstallErrorManager(ErrorManager& errors, j_common_ptr info) {
    info->err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    errors.base.emit_message = FailOnWarning;
    errors.message[0] = '\0';
}

// Runs one step of libjpeg calls; a libjpeg error in it becomes a strs::Error.
// step must hold no objects with destructors of their own.
template <typename Step>
void Guarded(ErrorManager& errors, const char* what, const Step& step) {
    if (setjmp(errors.jump) != 0)
        throw Error(std::string(what) + ": " + errors.message);
    step();
}

constexpr const char* kReadFailure = "Cannot read JPEG picture";
constexpr const char* kWriteFailure = "Cannot write JPEG picture";

class DecompressSession {
public:
    DecompressSession() { InstallErrorManager(errors, reinterpret_cast<j_common_ptr>(&info)); }
    ~DecompressSession() { jpeg_destroy_decompress(&info); }  // safe before create too
    DecompressSession(const DecompressSession&) = delete;
    DecompressSession& operator=(const DecompressSession&) = delete;

    jpeg_decompress_struct info{};
    ErrorManager errors{};
};

// libjpeg writes into a buffer the session owns and doubles when it fills, so the
// buffer is freed on every way out, a failure after growing it included. (libjpeg's own
// memory destination hands a grown buffer back only when the compression finishes.)
struct GrowingDestination {
    jpeg_destination_mgr base{};  // first member: libjpeg sees only this part
    std::vector<JOCTET> bytes;
    std::size_t length = 0;  // of the JPEG data, once the compression has finished
};

GrowingDestination& DestinationOf(j_compress_ptr info) {
    return *reinterpret_cast<GrowingDestination*>(info->dest);
}

void StartDestination(j_compress_ptr info) {
    GrowingDestination& destination = DestinationOf(info);
    destination.base.next_output_byte = destination.bytes.data();
    destination.base.free_in_buffer = destination.bytes.size();
}

// Called when the whole buffer is full.
boolean GrowDestination(j_compress_ptr info) {
    GrowingDestination& destination = DestinationOf(info);
    const std::size_t full = destination.bytes.size();
    bool grown = true;
    try {
        destination.bytes.resize(full * 2);
    } catch (const std::bad_alloc&) {
        grown = false;  // reported outside the handler: the report jumps away
    }
    if (!grown)
        ERREXIT1(info, JERR_OUT_OF_MEMORY, 10);
    destination.base.next_output_byte = destination.bytes.data() + full;
    destination.base.free_in_buffer = destination.bytes.size() - full;
    return TRUE;
}

void FinishDestination(j_compress_ptr info) {
    GrowingDestination& destination = DestinationOf(info);
    destination.length = destination.bytes.size() - destination.base.free_in_buffer;
}

class CompressSession {
public:
    // capacity: the first size of the output buffer, enough for most pictures.
    explicit CompressSession(std::size_t capacity) {
        destination.bytes.resize(capacity);
        destination.base.init_destination = StartDestination;
        destination.base.empty_output_buffer = GrowDestination;
        destination.base.term_destination = FinishDestination;
        InstallErrorManager(errors, reinterpret_cast<j_common_ptr>(&info));
    }
    ~CompressSession() { jpeg_destroy_compress(&info); }  // safe before create too
    CompressSession(const CompressSession&) = delete;
    CompressSession& operator=(const CompressSession&) = delete;

    jpeg_compress_struct info{};
    ErrorManager errors{};
    GrowingDestination destination;
};

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty())
        throw Error(std::string(kReadFailure) + ": no data");

    DecompressSession session;
    jpeg_decompress_struct& info = session.info;
    Guarded(session.errors, kReadFailure, [&] {
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                     static_cast<unsigned long>(data.size()));
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_RGB;  // grey and YCbCr pictures alike come out as RGB
        jpeg_start_decompress(&info);
    });

    if (info.output_components != 3)
        throw Error(std::string(kReadFailure) + ": unsupported colour layout");
    QImage image(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 QImage::Format_RGB888);
    if (image.isNull())
        throw Error(std::string(kReadFailure) + ": the picture is too large");

    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    Guarded(session.errors, kReadFailure, [&] {
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = bits + stride * info.output_scanline;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
    });
    return image.convertToFormat(QImage::Format_RGB32);
}

QByteArray EncodeJpeg(const QImage& image, int quality) {
    if (image.isNull())
        throw Error(std::string(kWriteFailure) + ": the picture is empty");
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const uchar* const bits = rgb.constBits();
    const qsizetype stride = rgb.bytesPerLine();
    const int clampedQuality = quality < 1 ? 1 : (quality > 100 ? 100 : quality);

    CompressSession session(static_cast<std::size_t>(stride) * rgb.height() + 4096);
    jpeg_compress_struct& info = session.info;
    Guarded(session.errors, kWriteFailure, [&] {
        jpeg_create_compress(&info);
        info.dest = &session.destination.base;
        info.image_width = static_cast<JDIMENSION>(rgb.width());
        info.image_height = static_cast<JDIMENSION>(rgb.height());
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);  // baseline sequential, Huffman coding, YCbCr
        jpeg_set_quality(&info, clampedQuality, TRUE);
        // Full-resolution colour: thin coloured chart lines stay their colour.
        for (int c = 0; c < info.num_components; ++c) {
            info.comp_info[c].h_samp_factor = 1;
            info.comp_info[c].v_samp_factor = 1;
        }
        jpeg_start_compress(&info, TRUE);
        while (info.next_scanline < info.image_height) {
            // libjpeg only reads the input rows; its row type is not const.
            JSAMPROW row = const_cast<uchar*>(bits + stride * info.next_scanline);
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
    });
    return QByteArray(reinterpret_cast<const char*>(session.destination.bytes.data()),
                      static_cast<qsizetype>(session.destination.length));
}

}  // namespace strs
