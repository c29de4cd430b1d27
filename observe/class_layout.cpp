// The teacher's link as text: numbers in their shortest exact form, keys
// that must each appear once, values inside the views, and a length limit,
// so that a cut, edited or pasted-twice link is told from a good one.
#include "observe/class_layout.h"

#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "ui/decimal.h"

namespace observe {

namespace {

constexpr size_t kLongest = 600;
// The marker's corner must leave it inside its view (plan 6135 × 3615,
// section 6135 × 1815, markers 135); the hypocentre's centre below the surface.
constexpr float kViewWidth = 6135, kPlanHeight = 3615, kSectionHeight = 1815, kMarker = 135;

// Numbers are written and read here rather than by the C library, whose
// decimal point follows the desktop's locale: the fewest decimals (at most
// six) that give the same float back.
std::string number(float v) {
  int decimals = 0;
  for (double unit = 1; decimals < 6; unit *= 10, ++decimals)
    if (static_cast<float>(static_cast<double>(std::llround(static_cast<double>(v) * unit)) / unit) == v) break;
  return ui::fixedDecimal(v, decimals);
}

std::string spot(const Spot& s) { return number(s.left) + ',' + number(s.top); }

std::vector<std::string_view> split(std::string_view s, char sep) {
  std::vector<std::string_view> parts;
  for (size_t start = 0;;) {
    const size_t at = s.find(sep, start);
    parts.push_back(s.substr(start, at == std::string_view::npos ? at : at - start));
    if (at == std::string_view::npos) return parts;
    start = at + 1;
  }
}

// An optional '-', digits, and at most six decimals after a '.'.
std::optional<float> readNumber(std::string_view s) {
  const bool negative = !s.empty() && s.front() == '-';
  if (negative) s.remove_prefix(1);
  const size_t dot = s.find('.');
  const std::string_view whole = s.substr(0, dot), part = dot == std::string_view::npos ? "" : s.substr(dot + 1);
  if (whole.empty() || whole.size() > 7 || part.size() > 6 || (dot != std::string_view::npos && part.empty()))
    return std::nullopt;
  long long scaled = 0;
  for (std::string_view d : {whole, part})
    for (char c : d) {
      if (c < '0' || c > '9') return std::nullopt;
      scaled = scaled * 10 + (c - '0');
    }
  const double v = static_cast<double>(scaled) / std::pow(10.0, static_cast<double>(part.size()));
  return static_cast<float>(negative ? -v : v);
}

std::optional<Spot> readSpot(std::string_view s, float maxTop, float minTop) {
  const auto xy = split(s, ',');
  if (xy.size() != 2) return std::nullopt;
  auto x = readNumber(xy[0]), y = readNumber(xy[1]);
  if (!x || !y || *x < 0 || *x > kViewWidth - kMarker || *y <= minTop || *y > maxTop) return std::nullopt;
  return Spot{*x, *y};
}

std::optional<bool> readFlag(std::string_view s) {
  if (s == "1") return true;
  if (s == "0") return false;
  return std::nullopt;
}

bool readPairs(std::string_view text, ClassLayout& l) {
  std::map<std::string_view, std::string_view> pairs;
  for (std::string_view item : split(text, '&')) {
    const size_t eq = item.find('=');
    if (eq == std::string_view::npos || !pairs.emplace(item.substr(0, eq), item.substr(eq + 1)).second)
      return false;
  }
  const auto last = pairs.find("v");
  bool good = last != pairs.end() && last->second == "1" && text.size() >= 4 && text.substr(text.size() - 4) == "&v=1";
  if (last != pairs.end()) pairs.erase(last);
  std::map<std::string_view, bool> read;
  auto take = [&](std::string_view key) -> std::optional<std::string_view> {
    auto it = pairs.find(key);
    if (it == pairs.end()) return std::nullopt;
    std::string_view v = it->second;
    pairs.erase(it);
    read[key] = true;
    return v;
  };
  if (auto v = take("obs")) {
    const auto spots = split(*v, ';');
    good = good && spots.size() == 5;
    for (size_t i = 0; good && i < 5; ++i) {
      auto s = readSpot(spots[i], kPlanHeight - kMarker, -1);
      good = s.has_value();
      if (good) l.stations[i] = *s;
    }
  }
  if (auto v = take("foc")) {
    // Its centre must lie below the surface line, as when it is carried.
    auto s = readSpot(*v, kSectionHeight - kMarker, -kMarker / 2);
    good = good && s.has_value();
    if (s) l.hypocentre = *s;
  }
  if (auto v = take("mag")) {
    good = good && (*v == "1" || *v == "2" || *v == "3");
    if (good) l.magnitude = (*v)[0] - '0';
  }
  if (auto v = take("speed")) {
    good = good && (*v == "10" || *v == "20" || *v == "50");
    if (good) l.interval = *v == "10" ? 10 : *v == "20" ? 20 : 50;
  }
  for (auto [key, flag] : {std::pair{"pupil", &l.pupil}, std::pair{"hide", &l.hidden}}) {
    if (auto v = take(key)) {
      auto f = readFlag(*v);
      good = good && f.has_value();
      if (f) *flag = *f;
    }
  }
  if (auto v = take("pace")) {
    good = good && *v == "real";
    l.realTime = good;
  }
  // Every key is written each time, and the form's version last: a link cut
  // anywhere, even between two keys, is told from a whole one.
  for (const char* key : {"obs", "foc", "mag", "speed"}) good = good && read.count(key);
  return good && pairs.empty();
}

}  // namespace

std::string linkText(const ClassLayout& l) {
  std::string t = "kansoku&obs=";
  for (size_t i = 0; i < l.stations.size(); ++i) t += (i ? ";" : "") + spot(l.stations[i]);
  t += "&foc=" + spot(l.hypocentre);
  t += "&mag=" + std::to_string(l.magnitude) + "&speed=" + std::to_string(l.interval);
  if (l.pupil) t += "&pupil=1";
  if (l.hidden) t += "&hide=1";
  if (l.realTime) t += "&pace=real";
  return t + "&v=1";
}

LinkRead readLink(std::string_view text) {
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  LinkRead r;
  constexpr std::string_view kWindow = "kansoku";
  if (text.substr(0, kWindow.size()) != kWindow) return r;
  r.isLink = true;
  text.remove_prefix(kWindow.size());
  if (text.empty()) {
    r.ok = true;
    return r;
  }
  ClassLayout read;
  r.ok = text.size() <= kLongest && text.front() == '&' && readPairs(text.substr(1), read);
  // Options that do no harm are kept: a pupil's link that was cut stays a
  // pupil's link, and a hidden hypocentre stays hidden.
  if (r.ok) {
    r.layout = read;
  } else {
    r.layout.pupil = text.find("pupil=1") != std::string_view::npos;
    r.layout.hidden = text.find("hide=1") != std::string_view::npos;
  }
  return r;
}

}  // namespace observe
