// The events a pupil can cause, in a form that stays meaningful whatever
// the program's state: each names its target by a number taken modulo what
// is there when it is played (window, control, timer, list item), so any
// subsequence of a sequence is itself a valid sequence. Coordinates are
// whole sixteenths of a twip or named extremes, never NaN.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace fuzz {

enum class Kind : std::uint8_t {
  MenuButton,  // a click on a menu button (lesson, or quit)
  Button,      // a click on any button of a window, hidden ones included
  Label,       // press and release over a label, routed by its container
  Mouse,       // move, press, release or click in a window, frame or picture box
  Pick,        // a pick in a drop-down list, indexes one beyond each end included
  Type,        // typed list text: empty, long, emoji, invalid UTF-8 …
  Tick,        // one or more ticks of one timer
  StaleTick,   // a tick of a window that has been unloaded
  CloseBox,    // the title-bar close box
  Key,         // a key on the focused control: Tab, Space, Enter, Escape, an arrow
  Count
};

struct Event {
  Kind kind = Kind::Tick;
  std::uint8_t window = 0;  // 0..6: the newest window; 7: any loaded window
  std::uint16_t target = 0;
  std::uint16_t arg = 0;    // ticks, item, text, mouse action
  std::uint8_t place = 0;   // how x and y are read: inside, edge, outside, huge, raw
  std::int32_t x = 0, y = 0;
};

// One of the choices, drawn from r with the weights given beside them.
template <class T, std::size_t N>
T weighted(const std::array<std::pair<T, int>, N>& choices, std::uint32_t r) {
  int total = 0;
  for (auto& c : choices) total += c.second;
  int v = static_cast<int>(r % static_cast<std::uint32_t>(total));
  for (auto& c : choices) {
    if (v < c.second) return c.first;
    v -= c.second;
  }
  return choices.back().first;
}

// A reproducible random sequence of events for a seed.
std::vector<Event> generate(std::uint64_t seed, std::size_t count);
// The events encoded in a byte string (for a coverage-guided fuzzer).
std::vector<Event> decode(const std::uint8_t* data, std::size_t size);
std::string describe(const Event& e);

// The texts a pupil might type into a list.
const std::vector<std::string>& typedTexts();
// Tick counts an event may ask for.
int tickCount(std::uint16_t arg);

}  // namespace fuzz
