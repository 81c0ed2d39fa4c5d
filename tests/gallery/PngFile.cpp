#include "tests/gallery/PngFile.h"

#include <array>
#include <stdexcept>

namespace gallery {

namespace {

uint32_t Crc32(std::string_view bytes, uint32_t crc = 0) {
  static const auto table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (unsigned char b : bytes) crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

uint32_t Adler32(std::string_view bytes) {
  uint32_t a = 1, b = 0;
  for (unsigned char c : bytes) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

void PutBigEndian(std::string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

void PutChunk(std::string& out, std::string_view type, std::string_view data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  std::string body(type);
  body += data;
  out += body;
  PutBigEndian(out, Crc32(body));
}

// A zlib stream of stored blocks, at most 65535 bytes each.
std::string Stored(std::string_view raw) {
  std::string z = "\x78\x01";
  size_t pos = 0;
  do {
    const size_t n = std::min<size_t>(raw.size() - pos, 65535);
    const bool last = pos + n == raw.size();
    z += static_cast<char>(last ? 1 : 0);
    z += static_cast<char>(n & 0xFF);
    z += static_cast<char>(n >> 8);
    z += static_cast<char>(~n & 0xFF);
    z += static_cast<char>((~n >> 8) & 0xFF);
    z.append(raw.substr(pos, n));
    pos += n;
  } while (pos < raw.size());
  PutBigEndian(z, Adler32(raw));
  return z;
}

}  // namespace

std::string EncodePng(int width, int height, std::string_view rgb) {
  if (width <= 0 || height <= 0 || rgb.size() != static_cast<size_t>(width) * static_cast<size_t>(height) * 3)
    throw std::invalid_argument("Bild: Breite, H\xF6he und Bildpunkte passen nicht zusammen");
  std::string header;
  PutBigEndian(header, static_cast<uint32_t>(width));
  PutBigEndian(header, static_cast<uint32_t>(height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter method, no interlace
  // Each row starts with its filter type: none.
  const size_t row = static_cast<size_t>(width) * 3;
  std::string raw;
  raw.reserve((row + 1) * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    raw += '\0';
    raw.append(rgb.substr(static_cast<size_t>(y) * row, row));
  }
  std::string png = "\x89PNG\r\n\x1A\n";
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", Stored(raw));
  PutChunk(png, "IEND", {});
  return png;
}

}  // namespace gallery
