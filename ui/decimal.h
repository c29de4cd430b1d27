// Numbers as text for files and messages, without the C library's printf:
// its decimal point follows the desktop's locale, and in the browser it
// would bring its whole formatter into the program.
#pragma once

#include <cmath>
#include <string>

namespace ui {

// v with exactly `digits` decimals, rounded half away from zero ("-0.50").
inline std::string fixedDecimal(double v, int digits) {
  double unit = 1;
  for (int i = 0; i < digits; ++i) unit *= 10;
  const long long scaled = std::llround(std::fabs(v) * unit);
  std::string s = std::to_string(scaled);
  if (digits > 0) {
    if (s.size() <= static_cast<size_t>(digits)) s.insert(0, static_cast<size_t>(digits) + 1 - s.size(), '0');
    s.insert(s.size() - static_cast<size_t>(digits), ".");
  }
  return (v < 0 && scaled != 0 ? "-" : "") + s;
}

// n as `width` digits with leading zeros, in base 10 or 16 (upper case).
inline std::string padded(unsigned long long n, int width, unsigned base = 10) {
  std::string s;
  do {
    s.insert(s.begin(), "0123456789ABCDEF"[n % base]);
    n /= base;
  } while (n);
  if (s.size() < static_cast<size_t>(width)) s.insert(0, static_cast<size_t>(width) - s.size(), '0');
  return s;
}

}  // namespace ui
