// The QR matrix from the npm build of the library, bundled into the page's
// script: one byte a module, row by row, or nothing where the text does not fit.
#include <emscripten.h>

#include <cstdlib>

#include "classroom/qr.h"

namespace {

EM_JS(int, zx_qr, (const char* text, unsigned char** out), {
  let qr;
  try {
    qr = qrcodegen.QrCode.encodeText(UTF8ToString(text), qrcodegen.QrCode.Ecc.MEDIUM);
  } catch (e) {
    return 0;
  }
  const n = qr.size, p = _malloc(n * n);
  for (let y = 0; y < n; ++y)
    for (let x = 0; x < n; ++x) HEAPU8[p + y * n + x] = qr.getModule(x, y) ? 1 : 0;
  HEAPU32[out >> 2] = p;
  return n;
});

}  // namespace

namespace classroom {

QrMatrix encodeQr(const std::string& text) {
  unsigned char* bytes = nullptr;
  QrMatrix m;
  m.size = zx_qr(text.c_str(), &bytes);
  m.dark.resize(static_cast<size_t>(m.size * m.size));
  for (size_t i = 0; i < m.dark.size(); ++i) m.dark[i] = bytes[i] != 0;
  std::free(bytes);
  return m;
}

}  // namespace classroom
