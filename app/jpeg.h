// app/jpeg.h — JPEG pictures (libjpeg): decoding, bitmaps, the program's own pictures
#pragma once
#include <windows.h>

#include "ui/unique.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace app {

// A decoded picture: rows top to bottom, three bytes per pixel in the order blue, green, red.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgr;

    // The colour of one pixel as 0x00BBGGRR.
    COLORREF pixel(int x, int y) const;
};

// Decodes JPEG bytes; nullopt when they are not a JPEG picture libjpeg can read. A picture cut
// short decodes as far as it goes (libjpeg fills the rest), as image viewers show it.
std::optional<DecodedPicture> decodeJpeg(std::string_view bytes);

// A 24-bit bitmap (DIB section) with the picture's pixels; throws AppError on failure.
ui::UniqueGdi makeBitmap(const DecodedPicture& picture);

// The bytes of an RCDATA resource of the program module (empty when it is missing).
std::string_view resourceBytes(int id);

// The program's JPEG resource `id` as a bitmap; an empty bitmap when it is missing or unreadable
// (the window then shows no picture, the rest works).
ui::UniqueGdi pictureResource(int id);

} // namespace app
