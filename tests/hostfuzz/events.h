// The events a pupil causes on the real windows, as the host fuzz plays them
// through Qt. Each names its target by numbers taken modulo what is on the
// screen when it is played, and its points as fractions of the target's
// size, so a sequence means the same at every zoom and in every state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace hostfuzz {

enum class Act : std::uint8_t {
  ClickButton,   // left click on one of the window's buttons that are shown
  ClickControl,  // left click on a point of one of the window's controls, hidden ones included
  Click,         // left click anywhere in the window
  Move,          // the pointer moves over the window, no button held
  Drag,          // press, a few moves and release
  OtherClick,    // right, middle or double click
  Key,           // Enter, Escape, Tab, arrows, page keys, F4, Alt+Down …
  Text,          // typed text, as key presses or as the input method's commit
  Wheel,         // one wheel notch over a point, up or down
  Focus,         // another window made active, or a widget given the focus
  Zoom,          // Ctrl with +, =, - or 0
  Tick,          // ticks of one of the window's timers
  ListItem,      // a click on an item of the open drop-down, or on a list to open it
  CloseBox,      // the title bar's close box
  Count
};

struct Event {
  Act act = Act::Tick;
  std::uint8_t window = 0;       // 0..5: the newest window; 6, 7: any loaded window
  std::uint16_t target = 0;      // control, key, text or timer
  std::uint16_t arg = 0;         // button, ticks, direction, delivery
  std::uint16_t x = 0, y = 0;    // a point, as 65536ths of the target's width and height
  std::uint16_t x2 = 0, y2 = 0;  // where a drag ends
};

// A reproducible random sequence of events for a seed.
std::vector<Event> generate(std::uint64_t seed, std::size_t count);
std::string describe(const Event& e);

}  // namespace hostfuzz
