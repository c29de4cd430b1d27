// Generating, decoding and printing events.
#include "tests/fuzz/events.h"

#include <array>
#include <random>

namespace fuzz {
namespace {

constexpr std::size_t kBytesPerEvent = 14;

// Event kinds weighted towards what a class does most: ticks, mouse moves
// and clicks on what is on the screen.
constexpr std::array<std::pair<Kind, int>, 10> kWeights{{
    {Kind::MenuButton, 6},
    {Kind::Button, 12},
    {Kind::Label, 10},
    {Kind::Mouse, 30},
    {Kind::Pick, 7},
    {Kind::Type, 3},
    {Kind::Tick, 28},
    {Kind::StaleTick, 1},
    {Kind::CloseBox, 2},
    {Kind::Key, 8},
}};

}  // namespace

const std::vector<std::string>& typedTexts() {
  static const std::vector<std::string> texts = {
      "", "小", "中", "大", "速", "遅", " 大", "大 ", "中中", "ｼﾐｭﾚｰｼｮﾝ",
      std::string(20000, 'W'), "🌋🌊", "\xff\xfe\xfd", "\xe5\xa4", std::string("\0大", 4),
      "-1", "1e308", "NaN", "%s%n", "\xef\xbb\xbf大"};
  return texts;
}

int tickCount(std::uint16_t arg) {
  static constexpr std::array<int, 8> counts{1, 1, 1, 2, 5, 20, 100, 450};
  return counts[arg % counts.size()];
}

std::vector<Event> generate(std::uint64_t seed, std::size_t count) {
  std::mt19937_64 rng(seed);
  std::vector<Event> events(count);
  for (Event& e : events) {
    const std::uint64_t a = rng(), b = rng();
    e.kind = weighted(kWeights, static_cast<std::uint32_t>(a));
    e.window = static_cast<std::uint8_t>((a >> 32) % 8);
    e.target = static_cast<std::uint16_t>(a >> 40);
    e.arg = static_cast<std::uint16_t>(b);
    e.place = static_cast<std::uint8_t>((a >> 56) % 5);
    e.x = static_cast<std::int32_t>(b >> 16) >> 4;
    e.y = static_cast<std::int32_t>(b >> 32) >> 4;
    // Mostly inside: that is where the carrying and clicking happen.
    if ((a >> 59) % 2 == 0) e.place = 0;
  }
  return events;
}

std::vector<Event> decode(const std::uint8_t* data, std::size_t size) {
  std::vector<Event> events;
  auto u16 = [&](std::size_t i) { return static_cast<std::uint16_t>(data[i] | data[i + 1] << 8); };
  auto i32 = [&](std::size_t i) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(data[i]) | data[i + 1] << 8 |
                                     data[i + 2] << 16 | static_cast<std::uint32_t>(data[i + 3]) << 24);
  };
  for (std::size_t i = 0; i + kBytesPerEvent <= size; i += kBytesPerEvent) {
    Event e;
    e.kind = static_cast<Kind>(data[i] % static_cast<std::uint8_t>(Kind::Count));
    e.window = static_cast<std::uint8_t>(data[i + 1] % 8);
    e.target = u16(i + 2);
    e.arg = u16(i + 4);
    e.place = static_cast<std::uint8_t>(data[i + 6] % 5);
    e.x = i32(i + 6) >> 8;
    e.y = i32(i + 10);
    events.push_back(e);
  }
  return events;
}

std::string describe(const Event& e) {
  static const char* names[] = {"MenuButton", "Button", "Label", "Mouse", "Pick",
                                "Type", "Tick", "StaleTick", "CloseBox", "Key"};
  return std::string("{fuzz::Kind::") + names[static_cast<int>(e.kind)] + ", " +
         std::to_string(e.window) + ", " + std::to_string(e.target) + ", " + std::to_string(e.arg) +
         ", " + std::to_string(e.place) + ", " + std::to_string(e.x) + ", " + std::to_string(e.y) + "},";
}

}  // namespace fuzz
