// Reading a bitmap file: its header, then its rows, which are stored bottom-up
// unless the height is negative, each padded to four bytes.
#include "tests/image/bmp_file.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace image_test {
namespace {

std::uint32_t le(const std::vector<unsigned char>& b, size_t at, int bytes) {
  if (at + static_cast<size_t>(bytes) > b.size()) throw std::runtime_error("a bitmap cut short");
  std::uint32_t v = 0;
  for (int k = bytes - 1; k >= 0; --k) v = (v << 8) | b[at + static_cast<size_t>(k)];
  return v;
}

}  // namespace

ui::PixelBuffer readBundledBmp(const std::string& resource) {
  const std::string name = resource.rfind(":/", 0) == 0 ? resource.substr(2) : resource;
  std::ifstream in(std::string(ZEMLOX_SOURCE_DIR) + "/" + name, std::ios::binary);
  const std::vector<unsigned char> b{std::istreambuf_iterator<char>(in), {}};
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') throw std::runtime_error("not a bitmap: " + resource);
  const size_t offset = le(b, 10, 4);
  const int w = static_cast<std::int32_t>(le(b, 18, 4)), h = static_cast<std::int32_t>(le(b, 22, 4));
  const int bits = static_cast<int>(le(b, 28, 2));
  if ((bits != 24 && bits != 32) || le(b, 30, 4) != 0 || w <= 0 || h == 0)
    throw std::runtime_error("a bitmap of a kind not read here: " + resource);
  const int rows = std::abs(h), bytes = bits / 8;
  const size_t stride = (static_cast<size_t>(w) * bytes + 3) / 4 * 4;
  ui::PixelBuffer px;
  px.resize(w, rows, ui::kClearPixel);
  for (int y = 0; y < rows; ++y) {
    const size_t row = offset + stride * static_cast<size_t>(h > 0 ? rows - 1 - y : y);
    for (int x = 0; x < w; ++x) {
      const std::uint32_t bgr = le(b, row + static_cast<size_t>(x) * bytes, 3);
      px.fill({x, y, 1, 1}, ui::pixelOf(((bgr & 0xFF) << 16) | (bgr & 0xFF00) | (bgr >> 16)));
    }
  }
  return px;
}

}  // namespace image_test
