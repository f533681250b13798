#include "JpegDecoder.h"

#include "JpegError.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace {

// libjpeg's own error_exit calls exit(); this one jumps back to the decoder
// with the message code instead.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void errorExit(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    std::longjmp(err->jump, 1);
}

void silentMessage(j_common_ptr) {}

// Kept free of objects with destructors: longjmp must not skip any.
// Returns 0, or the message code of the error or of the last warning.
int decodeInto(const QByteArray &data, QImage &image)
{
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = errorExit;
    err.base.output_message = silentMessage;
    if (setjmp(err.jump)) {
        const int code = err.base.msg_code;
        jpeg_destroy_decompress(&cinfo);
        return code;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.scale_num = 1;
    cinfo.scale_denom = 1;
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.do_block_smoothing = TRUE;
    cinfo.buffered_image = FALSE;
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB888);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    const int code = err.base.num_warnings ? err.base.msg_code : 0;
    jpeg_destroy_decompress(&cinfo);
    return code;
}

} // namespace

QImage JpegDecoder::decode(const QByteArray &data)
{
    QImage image;
    // A stream the library could only read with warnings (cut off, corrupt
    // data) counts as an error too: no half-decoded picture is shown.
    if (const int code = decodeInto(data, image))
        throw JpegError(code);
    return image;
}
