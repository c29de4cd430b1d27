// Generating and printing host fuzz events.
#include "tests/hostfuzz/events.h"

#include <random>

#include "tests/fuzz/events.h"

namespace hostfuzz {
namespace {

// Weighted towards what a class does most: clicks on what is on the screen,
// pointer moves and time passing; keys and lists often enough to matter.
constexpr std::array<std::pair<Act, int>, 14> kWeights{{
    {Act::ClickButton, 8},
    {Act::ClickControl, 14},
    {Act::Click, 6},
    {Act::Move, 12},
    {Act::Drag, 4},
    {Act::OtherClick, 2},
    {Act::Key, 14},
    {Act::Text, 7},
    {Act::Wheel, 4},
    {Act::Focus, 3},
    {Act::Zoom, 2},
    {Act::Tick, 18},
    {Act::ListItem, 8},
    {Act::CloseBox, 2},
}};

}  // namespace

std::vector<Event> generate(std::uint64_t seed, std::size_t count) {
  std::mt19937_64 rng(seed);
  std::vector<Event> events(count);
  for (Event& e : events) {
    const std::uint64_t a = rng(), b = rng();
    e.act = fuzz::weighted(kWeights, static_cast<std::uint32_t>(a));
    e.window = static_cast<std::uint8_t>((a >> 32) % 8);
    e.target = static_cast<std::uint16_t>(a >> 40);
    e.arg = static_cast<std::uint16_t>(b);
    e.x = static_cast<std::uint16_t>(b >> 16);
    e.y = static_cast<std::uint16_t>(b >> 32);
    e.x2 = static_cast<std::uint16_t>(b >> 48);
    e.y2 = static_cast<std::uint16_t>(a >> 56 << 8 | (b & 0xff));
  }
  return events;
}

std::string describe(const Event& e) {
  static const char* names[] = {"ClickButton", "ClickControl", "Click", "Move", "Drag", "OtherClick", "Key", "Text",
                                "Wheel", "Focus", "Zoom", "Tick", "ListItem", "CloseBox"};
  return std::string(names[static_cast<int>(e.act)]) + " window " + std::to_string(e.window) + " target " +
         std::to_string(e.target) + " arg " + std::to_string(e.arg) + " at " + std::to_string(e.x) + "," +
         std::to_string(e.y) + " to " + std::to_string(e.x2) + "," + std::to_string(e.y2);
}

}  // namespace hostfuzz
