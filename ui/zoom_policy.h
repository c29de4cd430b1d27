// The program's zoom, one rule on the desktop and in the browser. The host
// reports the space (whether everything would fit at a factor: the screens'
// available areas, or the browser window) and the keys; the policy picks
// the factor, and the host applies it to every window.
//
// The rule: Ctrl with + takes the next of ui::kZoomSteps above what is shown,
// if everything fits there; Ctrl with - the next below, at least 100 %; Ctrl
// with 0 goes back to the start. The factor in force is the step asked for,
// held back to the largest step that fits; when not even 100 % fits, the
// largest hundredth that does, never below 25 %. The start differs by the
// space alone: a desktop window has its own size and starts at 100 %; a
// browser page is the browser's window and starts fitted to it, in
// hundredths (so a one-pixel resize does not change it), from 25 % up.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace ui {

// The modifiers held with a key. Meta is the Command key of iPad and Mac
// keyboards (and the Search key of a Chromebook).
struct KeyModifiers {
  bool ctrl = false, meta = false, alt = false, shift = false;
};

// What a key press does to the zoom. `taken`: it is a zoom key, kept from
// the platform's own zoom and from the widget under it; `step`: +1, -1 or 0
// for ZoomPolicy::key, none for a key's repeats while held.
struct ZoomKey {
  bool taken = false;
  std::optional<int> step;
};

// Ctrl (or Command) with a key, named by the character it gives with the
// modifiers held: "+", "=" or ";" zoom in, "-" or "_" out, "0" back to the
// start. ";" is the unshifted + key of a Japanese keyboard, where Shift
// with - gives "=": that one zooms out. With Alt it is no zoom key (Ctrl
// with Alt types characters on many layouts). A held key steps once.
ZoomKey zoomKey(std::string_view key, KeyModifiers mods, bool autoRepeat);

class ZoomPolicy {
 public:
  enum class Space { Screen, Page };
  // Whether every window fits the space at a factor; larger factors fit no
  // better than smaller ones.
  using Fits = std::function<bool(double)>;

  static constexpr double kLowest = 0.25;

  explicit ZoomPolicy(Space space) : start_(space == Space::Screen ? 0 : kFit), wanted_(start_) {}

  // The factor in force: layout pixels to a pixel.
  double factor() const { return factor_; }
  // Ctrl with + (+1), - (-1) or 0 (0). Whether the factor changed.
  bool key(int direction, const Fits& fits);
  // Windows came or went, or the space changed. Whether the factor changed.
  bool refit(const Fits& fits);

 private:
  static constexpr int kFit = -1;
  double fitted(const Fits& fits, double most) const;

  int start_;
  int wanted_;  // an index into ui::kZoomSteps, or kFit
  double factor_ = 1;
};

}  // namespace ui
