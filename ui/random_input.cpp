// Generating, decoding, resolving and printing random pupil input.
#include "ui/random_input.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>

#include "ui/application.h"
#include "ui/form.h"

namespace ui {
namespace {

// Weighted towards what a class does most: time passing, pointer moves and
// clicks on what is on the screen; keys and lists often enough to matter.
constexpr std::array<std::pair<InputKind, int>, 13> kWeights{{
    {InputKind::Button, 12},
    {InputKind::Control, 12},
    {InputKind::Pointer, 24},
    {InputKind::Touch, 4},
    {InputKind::Key, 10},
    {InputKind::Text, 4},
    {InputKind::Pick, 7},
    {InputKind::Wheel, 3},
    {InputKind::Zoom, 2},
    {InputKind::Focus, 2},
    {InputKind::Tick, 26},
    {InputKind::LateTick, 1},
    {InputKind::CloseBox, 2},
}};

const char* const kKeys[] = {"Tab", "Tab", "Shift+Tab", "Space", "Enter", "Escape", "Left", "Right",
                             "Up", "Down", "PageUp", "PageDown", "Home", "End", "Backspace", "Delete",
                             "F4", "Alt+Down", "Alt+Up", "Ctrl+A", "Ctrl+Z"};
// Ctrl+0 twice as often keeps most of a run near the usual size.
const char* const kZoomKeys[] = {"Ctrl++", "Ctrl+=", "Ctrl+-", "Ctrl+0", "Ctrl+0"};

// What a pupil might type, written as bytes: input, not text the program
// draws, so the fonts' subset leaves it out. The settings' own items and
// blanks around them, a word, half-width kana, digits, a long paste, emoji,
// broken UTF-8, an embedded NUL, number-like and format-like text, a BOM.
const std::vector<std::string>& texts() {
  static const std::vector<std::string> t = {
      "", "\xe5\xb0\x8f", "\xe4\xb8\xad", "\xe5\xa4\xa7", "\xe9\x80\x9f", "\xe9\x81\x85", " \xe5\xa4\xa7",
      "\xe5\xa4\xa7 ", "\xe4\xb8\xad\xe4\xb8\xad", "\xe5\x9c\xb0\xe9\x9c\x87",
      "\xef\xbd\xbc\xef\xbe\x90\xef\xbd\xad\xef\xbe\x9a\xef\xbd\xb0\xef\xbd\xbc\xef\xbd\xae\xef\xbe\x9d", "a", "1",
      std::string(20000, 'W'), "\xf0\x9f\x8c\x8b\xf0\x9f\x8c\x8a", "\xff\xfe\xfd", "\xe5\xa4",
      std::string("\0\xe5\xa4\xa7", 4), "-1", "1e308", "NaN", "%s%n", "\xef\xbb\xbf\xe5\xa4\xa7"};
  return t;
}

constexpr int kTickCounts[] = {1, 1, 1, 2, 5, 20, 100, 450};

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

// One coordinate along an extent, read as the event's place says.
float coordinate(std::int32_t v, std::uint8_t place, float extent) {
  const float w = std::max(extent, 1.0f);
  const auto mag = static_cast<std::uint32_t>(v < 0 ? -static_cast<std::int64_t>(v) : v);
  const auto span = static_cast<std::uint32_t>(w * 16);
  switch (place) {
    case 0: return static_cast<float>(mag % span) / 16.0f;  // inside, in sixteenths of a twip
    case 1: {  // on and just beside the edges
      const float edges[] = {0, -0.0625f, w, w - 0.0625f, w + 0.0625f, -50, w + 50, -15, w + 15};
      return edges[mag % 9];
    }
    case 2:  // outside, up to the area's size away
      return v < 0 ? -1 - static_cast<float>(mag % span) / 16.0f : w + 1 + static_cast<float>(mag % span) / 16.0f;
    case 3: {  // far away, as a pointer grabbed across a large desktop
      const float far[] = {1e6f, -1e6f, 16777217.0f, -16777217.0f, 3.5e7f, -3.5e7f, 123456.5f};
      return far[mag % 7];
    }
    default: return static_cast<float>(v) / 16.0f;
  }
}

// Ending the program is kept rare, so that most runs reach deep into the
// lessons; a sequence still ends it now and then.
bool rarely(const RandomEvent& e) { return e.arg % 8 == 0; }

std::vector<Control*> ofKind(const Form& f, ControlKind k, bool shownOnly = false) {
  std::vector<Control*> v;
  for (Control* c : f.controls())
    if (c->kind() == k && (!shownOnly || c->visible())) v.push_back(c);
  return v;
}

std::string nameOf(const Control& c) {
  return c.index() < 0 ? c.name() : c.name() + "(" + std::to_string(c.index()) + ")";
}

std::string number(float v) {
  char s[32];
  std::snprintf(s, sizeof s, "%.9g", static_cast<double>(v));
  return s;
}

// Bytes that are no UTF-8 pass through: the reader decodes them as U+FFFD.
std::string jsonText(const std::string& s) {
  std::string out = "\"";
  for (const char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    if (static_cast<unsigned char>(c) >= 0x20) {
      out += c;
      continue;
    }
    char u[8];
    std::snprintf(u, sizeof u, "\\u%04x", static_cast<unsigned>(c));
    out += u;
  }
  return out + "\"";
}

const char* kindName(InputKind k) {
  static const char* names[] = {"button", "control", "pointer", "touch", "key", "text", "pick",
                                "wheel", "zoom", "focus", "tick", "late tick", "close box"};
  return names[static_cast<int>(k)];
}

const char* actionName(PointerAction a) {
  static const char* names[] = {"move", "press", "release", "click", "drag"};
  return names[static_cast<int>(a)];
}

}  // namespace

std::vector<RandomEvent> randomEvents(std::uint64_t seed, std::size_t count) {
  std::mt19937_64 rng(seed);
  std::vector<RandomEvent> events(count);
  for (RandomEvent& e : events) {
    const std::uint64_t a = rng(), b = rng(), c = rng();
    e.kind = weighted(kWeights, static_cast<std::uint32_t>(a));
    e.window = static_cast<std::uint8_t>((a >> 32) % 8);
    e.target = static_cast<std::uint16_t>(a >> 40);
    e.arg = static_cast<std::uint16_t>(b);
    // Mostly inside: that is where the carrying and clicking happen.
    e.place = (a >> 59) % 2 ? static_cast<std::uint8_t>((a >> 56) % 5) : 0;
    e.x = static_cast<std::int32_t>(b >> 16) >> 4;
    e.y = static_cast<std::int32_t>(b >> 32) >> 4;
    e.x2 = static_cast<std::int32_t>(c) >> 4;
    e.y2 = static_cast<std::int32_t>(c >> 32) >> 4;
  }
  return events;
}

std::vector<RandomEvent> decodeEvents(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kBytesPerEvent = 22;
  std::vector<RandomEvent> events;
  auto u16 = [&](std::size_t i) { return static_cast<std::uint16_t>(data[i] | data[i + 1] << 8); };
  auto i32 = [&](std::size_t i) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(data[i]) | data[i + 1] << 8 |
                                     data[i + 2] << 16 | static_cast<std::uint32_t>(data[i + 3]) << 24);
  };
  for (std::size_t i = 0; i + kBytesPerEvent <= size; i += kBytesPerEvent) {
    RandomEvent e;
    e.kind = static_cast<InputKind>(data[i] % static_cast<std::uint8_t>(InputKind::Count));
    e.window = static_cast<std::uint8_t>(data[i + 1] % 8);
    e.target = u16(i + 2);
    e.arg = u16(i + 4);
    e.place = static_cast<std::uint8_t>(data[i + 6] % 5);
    e.x = i32(i + 6) >> 8;
    e.y = i32(i + 10);
    e.x2 = i32(i + 14);
    e.y2 = i32(i + 18);
    events.push_back(e);
  }
  return events;
}

std::string describe(const RandomEvent& e) {
  return "{ui::InputKind(" + std::to_string(static_cast<int>(e.kind)) + "), " + std::to_string(e.window) + ", " +
         std::to_string(e.target) + ", " + std::to_string(e.arg) + ", " + std::to_string(e.place) + ", " +
         std::to_string(e.x) + ", " + std::to_string(e.y) + ", " + std::to_string(e.x2) + ", " +
         std::to_string(e.y2) + "},";
}

PupilInput RandomInput::resolve(const RandomEvent& e) const {
  PupilInput in;
  in.kind = e.kind;
  const auto& forms = app_.forms();
  if (forms.empty()) return in;
  Form& f = e.window < 7 ? *forms.back() : *forms[(e.target >> 8) % forms.size()];
  in.form = &f;
  // With one window open (the start), the pupil's next move is mostly a button.
  if (forms.size() == 1 && e.window < 5 && e.kind != InputKind::CloseBox) in.kind = InputKind::Button;
  auto isRare = [&](const Control* c) { return c && rare && rare(*c) && !rarely(e); };
  auto pointIn = [&](Container& area, std::uint8_t place) {
    in.area = &area;
    in.x = coordinate(e.x, place, area.areaWidth());
    in.y = coordinate(e.y, place, area.areaHeight());
    in.x2 = coordinate(e.x2, 0, area.areaWidth());
    in.y2 = coordinate(e.y2, 0, area.areaHeight());
  };
  auto pointOn = [&](Control& c) {
    const RectF b = c.bounds();
    in.control = &c;
    in.area = c.container();
    in.x = b.left + coordinate(e.x, 0, b.width);
    in.y = b.top + coordinate(e.y, 0, b.height);
  };
  auto areas = [&] {
    std::vector<Container*> v{&f};
    for (Control* c : f.controls())
      if (auto* box = dynamic_cast<Container*>(c)) v.push_back(box);
    return v;
  };
  switch (in.kind) {
    case InputKind::Button: {
      auto buttons = ofKind(f, ControlKind::Button, e.arg % 4 != 0 || in.kind != e.kind);
      if (buttons.empty()) break;
      Control* b = buttons[e.target % buttons.size()];
      if (isRare(b)) b = buttons[(e.target + 1u) % buttons.size()];
      pointOn(*b);
      break;
    }
    case InputKind::Control: {
      auto controls = e.arg % 2 ? f.controls() : ofKind(f, ControlKind::Label);
      if (controls.empty()) controls = f.controls();
      if (controls.empty()) break;
      Control* c = controls[e.target % controls.size()];
      if (isRare(c)) c = controls[(e.target + 1u) % controls.size()];
      pointOn(*c);
      break;
    }
    case InputKind::Pointer:
    case InputKind::Touch:
    case InputKind::Wheel: {
      const auto v = areas();
      pointIn(*v[e.target % v.size()], in.kind == InputKind::Pointer ? e.place : e.place % 2);
      in.action = in.kind == InputKind::Touch ? (e.arg % 3 ? PointerAction::Click : PointerAction::Drag)
                                              : static_cast<PointerAction>(e.arg % 5);
      in.buttons = in.kind == InputKind::Pointer ? (e.arg >> 3) & 7 : 1;
      // A click or drag without a button is a left one.
      if (in.buttons == 0 && in.action != PointerAction::Move) in.buttons = 1;
      in.value = e.arg % 2 ? 1 : -1;
      if (in.kind == InputKind::Wheel)
        for (Control* c : in.area->children())
          if (c->kind() == ControlKind::ComboBox && c->visible() && c->bounds().contains(in.x, in.y)) in.control = c;
      break;
    }
    case InputKind::Key:
    case InputKind::Zoom:
      in.key = in.kind == InputKind::Key ? kKeys[e.target % std::size(kKeys)]
                                         : kZoomKeys[e.target % std::size(kZoomKeys)];
      in.control = f.keyboard().focused();
      // Quitting stays as rare by key as by click.
      if (in.kind == InputKind::Key && isRare(in.control) && in.key.find("Tab") == std::string::npos)
        in.kind = InputKind::Tick;
      break;
    case InputKind::Text:
    case InputKind::Pick: {
      const auto lists = ofKind(f, ControlKind::ComboBox);
      in.text = texts()[e.target % texts().size()];
      in.value = in.kind == InputKind::Text ? e.arg % 3 == 0 : 0;
      if (lists.empty()) break;
      auto* list = static_cast<ComboBox*>(lists[(e.target >> 4) % lists.size()]);
      pointOn(*list);
      if (in.kind == InputKind::Pick) {
        in.value = static_cast<int>(e.arg % (list->items().size() + 2)) - 1;
        // Mostly on the arrow, which opens the drop-down; now and then on the text.
        const RectF b = list->bounds();
        if (e.arg % 4) in.x = b.left + b.width * (0.8f + 0.2f * (in.x - b.left) / std::max(b.width, 1.0f));
      }
      break;
    }
    case InputKind::Focus: {
      std::vector<Control*> can;
      for (Control* c : f.keyboard().tabOrder())
        if (c->visible() && f.keyboard().focusable(*c)) can.push_back(c);
      in.value = e.arg % 3;
      if (in.value == 1 && !can.empty()) in.control = can[e.target % can.size()];
      break;
    }
    case InputKind::Tick:
    case InputKind::LateTick:
    case InputKind::CloseBox:
    case InputKind::Count: break;
  }
  // Closing the first window ends the program: rare too.
  if (in.kind == InputKind::CloseBox && &f == forms.front() && !rarely(e)) in.kind = InputKind::Tick;
  if (in.kind == InputKind::Tick) {
    in.control = nullptr;
    in.value = kTickCounts[e.arg % std::size(kTickCounts)];
    if (!f.timers().empty()) in.timer = f.timers()[e.target % f.timers().size()];
  }
  if (in.kind == InputKind::LateTick) in.value = e.target;
  return in;
}

std::string PupilInput::describe() const {
  if (!form) return std::string(kindName(kind)) + " with no window";
  std::string s = "\"" + form->style().caption + "\": " + kindName(kind);
  if (kind == InputKind::Pointer || kind == InputKind::Touch) s += std::string(" ") + actionName(action);
  if (control) s += " " + nameOf(*control) + (control->visible() ? "" : " (hidden)");
  if (kind == InputKind::Button && control) s += " (" + static_cast<const Button*>(control)->caption() + ")";
  if (area && kind != InputKind::Button) {
    s += " at (" + number(x) + ", " + number(y) + ")";
    if (auto* box = dynamic_cast<const Control*>(area)) s += " in " + nameOf(*box);
  }
  if (action == PointerAction::Drag && (kind == InputKind::Pointer || kind == InputKind::Touch))
    s += " to (" + number(x2) + ", " + number(y2) + ")";
  if (!key.empty()) s += " " + key;
  if (kind == InputKind::Text) s += " text of " + std::to_string(text.size()) + " bytes";
  if (kind == InputKind::Tick) s += " " + std::to_string(value) + " of " + (timer ? timer->name() : "no timer");
  if (kind == InputKind::Pick || kind == InputKind::Wheel || kind == InputKind::Focus) s += " " + std::to_string(value);
  if (kind == InputKind::Pointer) s += " buttons " + std::to_string(buttons);
  return s;
}

std::string PupilInput::json() const {
  const float ox = area ? area->originX() : 0, oy = area ? area->originY() : 0;
  std::string s = "{\"kind\":\"" + std::string(kindName(kind)) + "\",\"window\":" +
                  jsonText(form ? form->style().caption : "") + ",\"action\":\"" + actionName(action) +
                  "\",\"buttons\":" + std::to_string(buttons) + ",\"x\":" + number(ox + x) +
                  ",\"y\":" + number(oy + y) + ",\"x2\":" + number(ox + x2) + ",\"y2\":" + number(oy + y2) +
                  ",\"value\":" + std::to_string(value) + ",\"key\":" + jsonText(key) +
                  ",\"text\":" + jsonText(text) + ",\"list\":" + (control && control->kind() == ControlKind::ComboBox ? "true" : "false");
  return s + "}";
}

}  // namespace ui
