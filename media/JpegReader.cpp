#include "JpegReader.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace rp::jpeg {

namespace {

// libjpeg's own handler ends the process on an error: come back here.
struct Failure {
    jpeg_error_mgr manager{};
    std::jmp_buf back{};
    char message[JMSG_LENGTH_MAX] = {};
};

void fail(j_common_ptr info) {
    auto* failure = reinterpret_cast<Failure*>(info->err);
    info->err->format_message(info, failure->message);
    std::longjmp(failure->back, 1);
}

// A warning (data cut short, a stray marker) still gives a picture, as
// with Qt's reader; the file's end is checked by the caller.
void quiet(j_common_ptr, int) {}

// A half, quarter or eighth that lands exactly on the wanted size: there the
// reduced transform averages as a smooth scaling would. Any other size is
// decoded whole and scaled after (the other n/8 reductions look sharper
// than the game's other pictures).
int eighths(QSize natural, QSize wanted) {
    for (int n : {1, 2, 4})
        if ((natural.width() * n + 7) / 8 == wanted.width() && (natural.height() * n + 7) / 8 == wanted.height())
            return n;
    return 8;
}

}  // namespace

bool looksLikeJpeg(const QByteArray& bytes) { return bytes.startsWith(QByteArray("\xFF\xD8\xFF", 3)); }

namespace {

enum class Outcome { Decoded, Failed, NotOurs };

// libjpeg jumps back into this frame on an error, so no object with a
// destructor lives in it past setjmp: the picture belongs to the caller.
Outcome decompress(jpeg_decompress_struct& info, Failure& failure, const QByteArray& bytes,
                   const std::function<QSize(QSize)>& wanted, QImage& out) {
    if (setjmp(failure.back) != 0) return Outcome::Failed;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) return Outcome::NotOurs;
    const QSize natural(int(info.image_width), int(info.image_height));
    info.scale_num = unsigned(wanted ? eighths(natural, wanted(natural)) : 8);
    info.scale_denom = 8;
    // Straight into the layout of QImage::Format_RGB32, the alpha byte 0xFF.
    info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&info);
    out = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (out.isNull()) {
        std::snprintf(failure.message, sizeof failure.message, "not enough memory for %u x %u",
                      info.output_width, info.output_height);
        return Outcome::Failed;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return Outcome::Decoded;
}

}  // namespace

QImage read(const QByteArray& bytes, const std::function<QSize(QSize)>& wanted, QString* why) {
    jpeg_decompress_struct info{};
    Failure failure;
    info.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = fail;
    failure.manager.emit_message = quiet;
    QImage image;
    const Outcome outcome = decompress(info, failure, bytes, wanted, image);
    jpeg_destroy_decompress(&info);
    if (outcome == Outcome::Decoded) return image;
    *why = outcome == Outcome::Failed ? QString::fromLocal8Bit(failure.message) : QString();
    return {};
}

}  // namespace rp::jpeg
