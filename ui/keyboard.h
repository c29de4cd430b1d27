// Working a window with the keys alone, and what assistive technology reads.
// The tab order, what Space, Enter, Escape and the arrows do, the keyboard
// pointer that carries items across a drawing area, accessible names and
// announcements are decided here, so every host behaves alike.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/units.h"

namespace ui {

class Container;
class Control;
class Form;
class Label;

enum class Key { Tab, Space, Enter, Escape, Left, Right, Up, Down };

// Modifier bit of press(), as in MouseState::shift.
inline constexpr int kShiftKey = 1;

class Keyboard {
 public:
  // An arrow moves the pointer one grid unit; with Shift one screen pixel.
  static constexpr float kStep = 600;
  static constexpr float kFineStep = kOnePixel;
  // The pointer starts this far right of and below the carried label's
  // corner, where a mouse click leaves the item where it is.
  static constexpr float kGrip = 50;

  explicit Keyboard(Form& form) : form_(form) {}
  Keyboard(const Keyboard&) = delete;
  Keyboard& operator=(const Keyboard&) = delete;

  // Layout building: a painted label that joins the tab order after the
  // window's own controls. `carried` says whether the window has its item
  // picked up. Wraps the label's click handler, so set onClick first.
  void addTarget(Label& label, std::function<bool()> carried);
  void reset();

  bool isTarget(const Control& c) const;
  bool carried(const Control& c) const;

  // Buttons and lists by tab index (those without one in layout order), then
  // the targets in the order added. Hidden ones included; focus skips them.
  std::vector<Control*> tabOrder() const;
  bool focusable(const Control& c) const;

  // Where the focus goes when the window opens: its first shown control in
  // the tab order; null when it shows none.
  Control* first() const;
  // Where the focus goes when `c` is hidden while it has it: on to the next
  // control of the tab order shown at that moment, round to the start, as
  // window systems hand it on (a control shown later does not take it
  // back). Null when no other is shown.
  Control* after(const Control& c) const;
  // A control was hidden: a focus it held, itself or inside it, moves on
  // at once.
  void controlHidden();

  // The focus as a host without native focus keeps it (hosts with their own
  // report it with setFocus); a fresh window has it on first().
  Control* focused() const;
  void setFocus(Control* c) { focused_ = c; }
  // A key on the focused control; Tab (Shift+Tab) moves the focus.
  bool press(Key k, int shift = 0);
  // A key on a control that has the host's focus: Space or Enter clicks a
  // button or target; Escape puts a carried target down; the arrows move
  // the keyboard pointer of a carried target's drawing area. False where
  // the key does nothing, for the host to pass on.
  bool press(Control& c, Key k, int shift = 0);

  // What assistive technology reads for a control; empty for none.
  std::string accessibleName(const Control& c) const;

 private:
  // A keyboard pointer in one drawing area. It moves on from where it is,
  // also where the item could not follow, unless the item has been moved
  // some other way since: then it starts again at the item.
  struct Pointer {
    const Container* view = nullptr;
    const Label* label = nullptr;  // the item it carries
    float x = 0, y = 0;
    float anchorLeft = 0, anchorTop = 0;  // where the carried label stood after the last step
  };

  int targetIndex(const Control& c) const;
  Pointer& pointerFor(const Label& l);
  void grip(const Label& l);
  void step(Label& l, Key k, int shift);
  void noteChanges(const std::vector<bool>& before);
  std::vector<bool> carriedStates() const;

  Form& form_;
  std::vector<Label*> targets_;
  std::vector<std::function<bool()>> carried_;
  std::vector<Pointer> pointers_;
  Control* focused_ = nullptr;
};

// A caption as read aloud: without the blanks it is padded with.
std::string spokenText(const std::string& caption);

}  // namespace ui
