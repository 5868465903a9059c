#include "help/jpeg_image.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE

#include <jpeglib.h>

namespace tgx {

namespace {

// Larger pictures are refused before any pixel memory is taken for them.
constexpr JDIMENSION kMaxSide = 4096;

// libjpeg's error manager with a way back to the decoder: the default one
// ends the program on a bad picture.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf failed;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrors *>(info->err)->failed, 1);
}

// A warning (level -1) means damaged or missing data: the picture is refused
// rather than shown half grey. Trace messages (level >= 0) are ignored.
void refuseOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        jumpBack(info);
}

// Runs libjpeg over bytes into image. Nothing with a destructor is created
// between setjmp and the calls that may jump back to it, so the jump skips
// no cleanup; the caller destroys the decompressor on either outcome (which
// is safe also when creating it failed, as its memory manager is then unset).
bool readPixels(jpeg_decompress_struct &info, JpegErrors &errors, const QByteArray &bytes, QImage &image)
{
    if (setjmp(errors.failed) != 0)
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width > kMaxSide || info.image_height > kMaxSide)
        return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image.isNull())
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray &bytes)
{
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    errors.manager.emit_message = refuseOnWarning;
    QImage image;
    const bool decoded = readPixels(info, errors, bytes, image);
    jpeg_destroy_decompress(&info);
    return decoded ? image : QImage();
}

} // namespace tgx
