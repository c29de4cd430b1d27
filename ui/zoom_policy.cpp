// Zoom steps held back to the space, and the fit in hundredths.
#include "ui/zoom_policy.h"

#include <cmath>

#include "ui/units.h"

namespace ui {
namespace {

constexpr int kSteps = static_cast<int>(kZoomSteps.size());
constexpr double kEpsilon = 1e-6;
// Hundredths are searched up to this: a wall-sized screen and the menu.
constexpr int kMostHundredths = 2000;

double step(int i) { return kZoomSteps[static_cast<size_t>(i)]; }

}  // namespace

double ZoomPolicy::fitted(const Fits& fits, double most) const {
  int lo = static_cast<int>(std::lround(kLowest * 100));
  if (!fits || !fits(lo / 100.0)) return kLowest;
  int hi = static_cast<int>(std::floor(most * 100 + kEpsilon));
  while (lo < hi) {
    const int mid = (lo + hi + 1) / 2;
    if (fits(mid / 100.0)) lo = mid;
    else hi = mid - 1;
  }
  return lo / 100.0;
}

bool ZoomPolicy::refit(const Fits& fits) {
  double f;
  if (wanted_ == kFit) {
    f = fitted(fits, kMostHundredths / 100.0);
  } else {
    int level = wanted_;
    while (level >= 0 && fits && !fits(step(level))) --level;
    f = level >= 0 ? step(level) : fitted(fits, step(0));
  }
  const bool changed = f != factor_;
  factor_ = f;
  return changed;
}

bool ZoomPolicy::key(int direction, const Fits& fits) {
  if (direction > 0) {
    int next = 0;
    while (next < kSteps && step(next) <= factor_ + kEpsilon) ++next;
    if (next == kSteps || (fits && !fits(step(next)))) return false;
    wanted_ = next;
  } else if (direction < 0) {
    int below = kSteps - 1;
    while (below > 0 && step(below) >= factor_ - kEpsilon) --below;
    wanted_ = below;
  } else {
    wanted_ = start_;
  }
  return refit(fits);
}

ZoomKey zoomKey(std::string_view key, KeyModifiers mods, bool autoRepeat) {
  if (!(mods.ctrl || mods.meta) || mods.alt) return {};
  int step;
  if (key == "+" || key == ";" || (key == "=" && !mods.shift)) step = 1;
  else if (key == "-" || key == "_" || key == "=") step = -1;
  else if (key == "0") step = 0;
  else return {};
  // Every step lays every window out again, and a pupil holding the key a
  // moment too long should not find the zoom run to its end at whatever
  // pace the keyboard repeats.
  if (autoRepeat) return {true, std::nullopt};
  return {true, step};
}

}  // namespace ui
