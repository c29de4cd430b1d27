// Line breaking from layout-size metrics.
#include "ui/text_layout.h"

#include "ui/font_metrics.h"
#include "ui/utf8.h"

#include <map>
#include <tuple>

namespace ui {
namespace {

bool isAsciiWordChar(std::string_view u) { return u.size() == 1 && u[0] > ' ' && u[0] <= '~'; }

bool startsClosing(std::string_view u) {
  static const std::string_view kClosing[] = {"、", "。", "，", "．", "）", "」", "』", "】", "〕", "・", "ー",
                                              "？", "！", "ぁ", "ぃ", "ぅ", "ぇ", "ぉ", "っ", "ゃ", "ゅ", "ょ",
                                              "ァ", "ィ", "ゥ", "ェ", "ォ", "ッ", "ャ", "ュ", "ョ"};
  for (std::string_view c : kClosing)
    if (u.substr(0, c.size()) == c) return true;
  return false;
}

bool endsOpening(std::string_view u) {
  static const std::string_view kOpening[] = {"（", "「", "『", "【", "〔"};
  for (std::string_view c : kOpening)
    if (u.size() >= c.size() && u.substr(u.size() - c.size()) == c) return true;
  return false;
}

// Pieces no break falls inside: a run of ASCII word characters with the
// blanks after it, a run of blanks, or one other character.
std::vector<std::string> units(std::string_view s) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < s.size()) {
    size_t j = i + utf8Length(static_cast<unsigned char>(s[i]));
    if (isAsciiWordChar(s.substr(i, 1))) {
      while (j < s.size() && isAsciiWordChar(s.substr(j, 1))) ++j;
      while (j < s.size() && s[j] == ' ') ++j;
    } else if (s[i] == ' ') {
      while (j < s.size() && s[j] == ' ') ++j;
    }
    std::string u(s.substr(i, std::min(j, s.size()) - i));
    if (!out.empty() && (startsClosing(u) || endsOpening(out.back()))) out.back() += u;
    else out.push_back(std::move(u));
    i = j;
  }
  return out;
}

std::string trimEnd(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

void breakParagraph(const FaceMetrics& m, double px, std::string_view text, double width,
                    std::vector<std::string>& out) {
  if (m.width(text, px) <= width) {
    out.emplace_back(text);
    return;
  }
  std::string line;
  for (std::string& u : units(text)) {
    if (!line.empty() && m.width(trimEnd(line + u), px) > width) {
      out.push_back(trimEnd(line));
      line = u.substr(u.find_first_not_of(' ') == std::string::npos ? u.size() : u.find_first_not_of(' '));
    } else {
      line += u;
    }
  }
  if (!line.empty()) out.push_back(line);
}

}  // namespace

std::vector<std::string> breakLines(const Font& f, const std::string& text, double width) {
  // Labels keep their captions for many frames: each is broken once.
  using Key = std::tuple<std::string, float, double, std::string>;
  static std::map<Key, std::vector<std::string>> cache;
  Key key{f.face, f.size, width, text};
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  std::vector<std::string> lines;
  // At the layout's own size, unrounded. Bold is the regular glyphs struck
  // again a pixel or two to the right, on the regular advances.
  const double px = f.size * 4.0 / 3.0;
  const FaceMetrics& m = faceMetrics(typefaceOf(f.face));
  for (size_t start = 0;;) {
    const size_t nl = text.find('\n', start);
    std::string_view para = std::string_view(text).substr(start, nl == std::string::npos ? nl : nl - start);
    if (!para.empty() && para.back() == '\r') para.remove_suffix(1);
    breakParagraph(m, px, para, width, lines);
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  if (cache.size() > 4000) cache.clear();
  cache.emplace(std::move(key), lines);
  return lines;
}

}  // namespace ui
