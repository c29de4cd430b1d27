// Seeded random pupil input that every host replays alike. A seed, or a
// fuzzer's bytes, gives a sequence of events that name their targets by
// numbers taken modulo what is loaded when they are played, so any
// subsequence is itself a valid sequence; resolve() turns one into what a
// host can deliver: a window, a control, a point in twips, a key or a text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ui {

class Application;
class Container;
class Control;
class Form;
class Timer;

enum class InputKind : std::uint8_t {
  Button,    // a click on a button: mostly shown ones, now and then a hidden one
  Control,   // press and release over a point of any control, labels most
  Pointer,   // move, press, release, click or drag in a window, frame or picture box
  Touch,     // a tap or a finger's drag
  Key,       // a key on whatever has the focus
  Text,      // text typed into a list, as keys or as an input method's commit
  Pick,      // an item picked in a list, one beyond each end included
  Wheel,     // a wheel notch over a point
  Zoom,      // Ctrl with +, =, - or 0
  Focus,     // the window activated, a control focused, or the focus taken away
  Tick,      // ticks of one of the window's timers
  LateTick,  // a tick of a window that has been unloaded
  CloseBox,  // the title bar's close box
  Count
};

enum class PointerAction : std::uint8_t { Move, Press, Release, Click, Drag };

struct RandomEvent {
  InputKind kind = InputKind::Tick;
  std::uint8_t window = 0;    // 0..6: the newest window; 7: any loaded one
  std::uint16_t target = 0;   // control, area, timer, key or text
  std::uint16_t arg = 0;      // action, buttons, item, ticks
  std::uint8_t place = 0;     // how x and y are read: inside, edge, outside, far, anywhere
  std::int32_t x = 0, y = 0;  // sixteenths of a twip, read as place says
  std::int32_t x2 = 0, y2 = 0;  // where a drag ends, inside
};

// An event resolved against the loaded windows.
struct PupilInput {
  InputKind kind = InputKind::Tick;
  Form* form = nullptr;        // null: no window loaded
  Container* area = nullptr;   // where the points lie
  Control* control = nullptr;  // the button, list or control aimed at, or focused
  Timer* timer = nullptr;
  PointerAction action = PointerAction::Click;
  int buttons = 1;             // as MouseState::button
  float x = 0, y = 0, x2 = 0, y2 = 0;  // twips in area
  // Tick: ticks; Pick: the item; Wheel: +1 down, -1 up; Focus: 0 window,
  // 1 control, 2 none; Text: 1 for an input method's commit; LateTick: a choice.
  int value = 0;
  std::string key;             // "Tab", "Shift+Tab", "Alt+Down", "Ctrl+0" …
  std::string text;

  std::string describe() const;
  // One line of JSON for replays outside this process; points in twips of
  // the window's client area.
  std::string json() const;
};

std::vector<RandomEvent> randomEvents(std::uint64_t seed, std::size_t count);
// The events encoded in a byte string (for a coverage-guided fuzzer).
std::vector<RandomEvent> decodeEvents(const std::uint8_t* data, std::size_t size);
std::string describe(const RandomEvent& e);

class RandomInput {
 public:
  explicit RandomInput(Application& app) : app_(app) {}
  // Controls a pupil works only rarely (the one that ends the program).
  std::function<bool(const Control&)> rare;
  PupilInput resolve(const RandomEvent& e) const;

 private:
  Application& app_;
};

}  // namespace ui
