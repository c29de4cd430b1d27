// UTF-8 as the window layer reads it, for measuring text and for writing it
// into a PDF: sequence lengths, and one code point at a time.
#pragma once

#include <cstddef>
#include <string_view>

namespace ui {

// The length of the sequence starting with byte `b`; 1 for a stray byte.
inline size_t utf8Length(unsigned char b) { return b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1; }

// The code point at `i`, moving `i` past it. A stray byte reads as U+FFFD;
// a sequence cut short by the end of the text keeps the bits it has.
inline char32_t nextCodePoint(std::string_view s, size_t& i) {
  const auto b = static_cast<unsigned char>(s[i]);
  const size_t n = utf8Length(b);
  char32_t c = n > 1 ? b & (0x7Fu >> n) : b < 0x80 ? b : 0xFFFD;
  size_t k = 1;
  for (; k < n && i + k < s.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
  i += k;
  return c;
}

}  // namespace ui
