// A layout of the observation window that a teacher hands to a class: where
// the stations and the hypocentre stand, the size and speed, and the class's
// options. Its text form is what follows '#' in the teacher's link; reading
// one is strict, and anything off gives the opening layout and a message.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace observe {

struct Spot {
  float left = 0, top = 0;  // a marker's corner in its view, twips
  bool operator==(const Spot&) const = default;
};

struct ClassLayout {
  std::array<Spot, 5> stations{{{1020, 2960}, {1020, 2360}, {1020, 1760}, {1020, 1160}, {1020, 560}}};
  Spot hypocentre{1020, 1140};
  int magnitude = 2;   // 1 小, 2 中, 3 大
  int interval = 20;   // ms per tick: 10 速, 20 中, 50 遅
  bool pupil = false;  // the pupils' copy: no guide, no link to hand on
  bool hidden = false; // the hypocentre is for the pupils to find
  bool realTime = false;
  bool operator==(const ClassLayout&) const = default;
};

// "kansoku&obs=…&foc=…&mag=2&speed=20&v=1", options only where set, before
// the form's version.
std::string linkText(const ClassLayout& l);

struct LinkRead {
  bool isLink = false;  // the text asks for the observation window at all
  bool ok = false;      // and every value in it was read
  ClassLayout layout;   // the opening layout where !ok
};
LinkRead readLink(std::string_view text);

// Said once where a link could not be read.
inline constexpr const char* kBadLinkMessage =
    "リンクの配置を読み取れなかったので、はじめの配置で開きました。";

}  // namespace observe
