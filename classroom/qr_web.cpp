// The QR matrix from the npm build of the library, which the page loads after
// the menu (none while it has not come): the code is made once for its size,
// then copied out one byte a module, row by row.
#include <emscripten.h>

#include "classroom/qr.h"

namespace {

EM_JS(int, zx_qr_make, (const char* text), {
  try {
    ZX.qr = typeof qrcodegen === 'undefined' ? null : qrcodegen.QrCode.encodeText(UTF8ToString(text), qrcodegen.QrCode.Ecc.MEDIUM);
  } catch (e) {
    ZX.qr = null;
  }
  return ZX.qr ? ZX.qr.size : 0;
});
EM_JS(void, zx_qr_copy, (unsigned char* out), {
  const qr = ZX.qr, n = qr.size;
  for (let y = 0; y < n; ++y)
    for (let x = 0; x < n; ++x) HEAPU8[out + y * n + x] = qr.getModule(x, y) ? 1 : 0;
  ZX.qr = null;
});

}  // namespace

namespace classroom {

QrMatrix encodeQr(const std::string& text) {
  QrMatrix m;
  m.size = zx_qr_make(text.c_str());
  if (m.size == 0) return m;
  std::vector<unsigned char> bytes(static_cast<size_t>(m.size * m.size));
  zx_qr_copy(bytes.data());
  m.dark.assign(bytes.begin(), bytes.end());
  return m;
}

}  // namespace classroom
