// PDF's y grows upwards from the sheet's bottom; the page's from the
// printable area's top. Text goes as UTF-16 code units through the
// UniJIS-UCS2-H encoding of the Adobe-Japan1 collection.
#include "ui/pdf_page.h"

#include <vector>

#include "ui/decimal.h"
#include "ui/utf8.h"

namespace ui {

namespace {

std::string num(double v) { return fixedDecimal(v, 2); }

// UTF-8 to the hexadecimal UTF-16 a PDF string of this encoding holds.
std::string utf16Hex(const std::string& s) {
  std::string out;
  auto unit = [&](unsigned u) { out += padded(u & 0xFFFF, 4, 16); };
  for (size_t i = 0; i < s.size();) {
    const unsigned cp = static_cast<unsigned>(nextCodePoint(s, i));
    if (cp >= 0x10000) {
      unit(0xD800 + ((cp - 0x10000) >> 10));
      unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      unit(cp);
    }
  }
  return out;
}

}  // namespace

std::string pdfOf(const PrintedPage& page) {
  const Paper& p = page.paper;
  const double height = p.down();
  auto X = [&](double x) { return num(p.left + x); };
  auto Y = [&](double y) { return num(height - (p.top + y)); };
  std::string c = num(p.pen) + " w 0 G 0 g\n";
  for (const PrintOp& op : page.ops) {
    switch (op.kind) {
      case PrintOp::Text:
        c += "BT /F1 " + num(op.fontSize) + " Tf " + X(op.x1) + " " + Y(op.baseline) + " Td <" +
             utf16Hex(op.text) + "> Tj ET\n";
        break;
      case PrintOp::Line: c += X(op.x1) + " " + Y(op.y1) + " m " + X(op.x2) + " " + Y(op.y2) + " l S\n"; break;
      case PrintOp::Rectangle:
        c += X(op.x1) + " " + Y(op.y2) + " " + num(op.x2 - op.x1) + " " + num(op.y2 - op.y1) + " re S\n";
        break;
      case PrintOp::Circle: {
        // Four cubic arcs; 0.5523 puts their middle on the circle.
        const double cx = op.x1, cy = op.y1, r = op.r, k = 0.5523 * r;
        c += X(cx + r) + " " + Y(cy) + " m ";
        const double pts[4][6] = {{cx + r, cy - k, cx + k, cy - r, cx, cy - r}, {cx - k, cy - r, cx - r, cy - k, cx - r, cy},
                                  {cx - r, cy + k, cx - k, cy + r, cx, cy + r}, {cx + k, cy + r, cx + r, cy + k, cx + r, cy}};
        for (const auto& q : pts)
          c += X(q[0]) + " " + Y(q[1]) + " " + X(q[2]) + " " + Y(q[3]) + " " + X(q[4]) + " " + Y(q[5]) + " c ";
        c += "S\n";
        break;
      }
    }
  }
  const std::vector<std::string> objects = {
      "<< /Type /Catalog /Pages 2 0 R >>",
      "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + num(p.across()) + " " + num(height) +
          "] /Resources << /Font << /F1 5 0 R >> >> /Contents 4 0 R >>",
      "<< /Length " + std::to_string(c.size()) + " >>\nstream\n" + c + "endstream",
      "<< /Type /Font /Subtype /Type0 /BaseFont /HeiseiKakuGo-W5 /Encoding /UniJIS-UCS2-H /DescendantFonts [6 0 R] >>",
      // Latin letters and digits half as wide as the kanji, as the report's fonts draw them.
      "<< /Type /Font /Subtype /CIDFontType0 /BaseFont /HeiseiKakuGo-W5 /CIDSystemInfo << /Registry (Adobe) "
      "/Ordering (Japan1) /Supplement 2 >> /FontDescriptor 7 0 R /DW 1000 /W [1 [500] 2 95 500 231 632 500] >>",
      "<< /Type /FontDescriptor /FontName /HeiseiKakuGo-W5 /Flags 4 /FontBBox [-92 -250 1010 922] /ItalicAngle 0 "
      "/Ascent 880 /Descent -120 /CapHeight 737 /StemV 114 >>"};
  std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  std::vector<size_t> at;
  for (size_t i = 0; i < objects.size(); ++i) {
    at.push_back(out.size());
    out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const size_t xref = out.size();
  out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (size_t o : at) out += padded(o, 10) + " 00000 n \n";
  out += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
         std::to_string(xref) + "\n%%EOF\n";
  return out;
}

}  // namespace ui
