#pragma once
// Pictures as PNG files: 8-bit RGB without interlacing. The image data is
// deflated as stored blocks (no compression): every viewer reads it, and the
// encoder stays a page long.
#include <cstdint>
#include <string>
#include <string_view>

namespace gallery {

// rgb holds the rows top to bottom, three bytes (red, green, blue) a pixel.
std::string EncodePng(int width, int height, std::string_view rgb);

}  // namespace gallery
