// The QR matrix from Debian's C++ build of the library.
#include <qrcodegen/qrcodegen.hpp>

#include "classroom/qr.h"

namespace classroom {

QrMatrix encodeQr(const std::string& text) {
  QrMatrix m;
  try {
    const auto qr = qrcodegen::QrCode::encodeText(text.c_str(), qrcodegen::QrCode::Ecc::MEDIUM);
    m.size = qr.getSize();
    m.dark.resize(static_cast<size_t>(m.size * m.size));
    for (int y = 0; y < m.size; ++y)
      for (int x = 0; x < m.size; ++x) m.dark[static_cast<size_t>(y * m.size + x)] = qr.getModule(x, y);
  } catch (const qrcodegen::data_too_long&) {
    m = {};
  }
  return m;
}

}  // namespace classroom
