// A QR code's modules for a text, from the QR library of the platform: the
// same library and version on the desktop (Debian's C++ build) and in the
// browser (the npm build), so both draw the same matrix.
#pragma once

#include <string>
#include <vector>

namespace classroom {

struct QrMatrix {
  int size = 0;                // modules along a side; 0 where the text does not fit
  std::vector<bool> dark;      // row by row
  bool at(int x, int y) const { return dark[static_cast<size_t>(y * size + x)]; }
};

// Error correction at level M: a quarter of the code may be dirty or hidden.
QrMatrix encodeQr(const std::string& text);

}  // namespace classroom
