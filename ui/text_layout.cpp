// Line breaking from layout-size metrics.
#include "ui/text_layout.h"

#include <map>
#include <tuple>

namespace ui {
namespace {

// The length of the UTF-8 sequence starting with byte `b`.
size_t seqLength(unsigned char b) { return b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1; }

class Estimate : public TextMetrics {
 public:
  double width(const Font&, double px, std::string_view s) const override {
    double w = 0;
    for (size_t i = 0; i < s.size(); i += seqLength(static_cast<unsigned char>(s[i])))
      w += static_cast<unsigned char>(s[i]) < 0x80 ? px / 2 : px;
    return w;
  }
  double lineHeight(const Font&, double px) const override { return px * 1.25; }
};

const TextMetrics* g_metrics = nullptr;

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
    size_t j = i + seqLength(static_cast<unsigned char>(s[i]));
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

void breakParagraph(const TextMetrics& m, const Font& f, double px, std::string_view text, double width,
                    std::vector<std::string>& out) {
  if (m.width(f, px, text) <= width) {
    out.emplace_back(text);
    return;
  }
  std::string line;
  for (std::string& u : units(text)) {
    if (!line.empty() && m.width(f, px, trimEnd(line + u)) > width) {
      out.push_back(trimEnd(line));
      line = u.substr(u.find_first_not_of(' ') == std::string::npos ? u.size() : u.find_first_not_of(' '));
    } else {
      line += u;
    }
  }
  if (!line.empty()) out.push_back(line);
}

}  // namespace

void setTextMetrics(const TextMetrics* metrics) { g_metrics = metrics; }

const TextMetrics& textMetrics() {
  static const Estimate estimate;
  return g_metrics ? *g_metrics : estimate;
}

std::vector<std::string> breakLines(const TextMetrics& m, const Font& f, const std::string& text,
                                    double width) {
  // Labels keep their captions for many frames: each is broken once.
  using Key = std::tuple<const TextMetrics*, std::string, float, bool, double, std::string>;
  static std::map<Key, std::vector<std::string>> cache;
  Key key{&m, f.face, f.size, f.bold, width, text};
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  std::vector<std::string> lines;
  const double px = fontPixels(f, 1);
  // Bold is drawn as the regular glyphs struck again a pixel or two to the
  // right, on the regular advances: measured as regular, a bold label breaks
  // where its ink does, whatever bold face an engine would synthesise.
  Font drawn = f;
  drawn.bold = false;
  for (size_t start = 0;;) {
    const size_t nl = text.find('\n', start);
    std::string_view para = std::string_view(text).substr(start, nl == std::string::npos ? nl : nl - start);
    if (!para.empty() && para.back() == '\r') para.remove_suffix(1);
    breakParagraph(m, drawn, px, para, width, lines);
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  if (cache.size() > 4000) cache.clear();
  cache.emplace(std::move(key), lines);
  return lines;
}

}  // namespace ui
