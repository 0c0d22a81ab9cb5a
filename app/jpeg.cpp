// app/jpeg.cpp — JPEG pictures (libjpeg): decoding, bitmaps, the program's own pictures
#include "app/jpeg.h"

#include "ui/errors.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <cstring>

extern "C" {
#include <jpeglib.h>
}

namespace app {
namespace {

// Larger pictures are refused rather than allocated.
constexpr std::uint64_t kMaxPixels = 64ull << 20;

// libjpeg's default error handler ends the process; ours jumps back to the decoder.
struct ErrorJump {
    jpeg_error_mgr pub;
    std::jmp_buf back;
};

[[noreturn]] void onFatal(j_common_ptr c) {
    std::longjmp(reinterpret_cast<ErrorJump*>(c->err)->back, 1);
}
void onMessage(j_common_ptr) {} // warnings (a picture cut short) are not printed anywhere

// The libjpeg part: only C objects live in this frame, so the jump back skips no destructor.
// Fills `out`; false when libjpeg gives up or the picture is too large.
bool decodeInto(const unsigned char* data, unsigned long size, DecodedPicture& out) {
    jpeg_decompress_struct info;
    ErrorJump err;
    info.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onFatal;
    err.pub.output_message = onMessage;
    if (setjmp(err.back)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGR; // libjpeg-turbo: GDI's byte order straight away
    jpeg_start_decompress(&info);
    if (std::uint64_t(info.output_width) * info.output_height > kMaxPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const size_t stride = size_t(info.output_width) * 3;
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.bgr.resize(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.bgr.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

COLORREF DecodedPicture::pixel(int x, int y) const {
    const std::uint8_t* p = &bgr.at((size_t(y) * size_t(width) + size_t(x)) * 3);
    return RGB(p[2], p[1], p[0]);
}

std::optional<DecodedPicture> decodeJpeg(std::string_view bytes) {
    if (bytes.empty()) return std::nullopt;
    DecodedPicture picture;
    if (!decodeInto(reinterpret_cast<const unsigned char*>(bytes.data()),
                    static_cast<unsigned long>(bytes.size()), picture))
        return std::nullopt;
    return picture;
}

ui::UniqueGdi makeBitmap(const DecodedPicture& picture) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = picture.width;
    bi.bmiHeader.biHeight = -picture.height; // top-down rows, as decoded
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    ui::UniqueGdi bitmap{CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0)};
    if (!bitmap || !bits) ui::throwLastError();
    const size_t stride =
        (size_t(picture.width) * 3 + 3) & ~size_t(3); // DIB rows are DWORD aligned
    const size_t row = size_t(picture.width) * 3;
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(static_cast<std::uint8_t*>(bits) + stride * size_t(y),
                    picture.bgr.data() + row * size_t(y), row);
    GdiFlush();
    return bitmap;
}

std::string_view resourceBytes(int id) {
    const HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10)); // RT_RCDATA
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const char*>(data), SizeofResource(module, found)};
}

ui::UniqueGdi pictureResource(int id) {
    const auto picture = decodeJpeg(resourceBytes(id));
    if (!picture) return {};
    return makeBitmap(*picture);
}

} // namespace app
