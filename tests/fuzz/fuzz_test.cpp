// The fixed seeds that run with every test run (200,000 events and more in
// all), and a check that a failure is cut down to its few essential events.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/frmMain.h"
#include "tests/fuzz/driver.h"
#include "tests/fuzz/invariants.h"
#include "waves/frm_Swave.h"

namespace {

// 10,000 events per seed; the sanitizer build, ten times slower, plays a
// share of each sequence (ZEMLOX_FUZZ_EVENTS).
std::size_t eventsPerSeed() {
  const char* v = std::getenv("ZEMLOX_FUZZ_EVENTS");
  return v && std::atol(v) > 0 ? static_cast<std::size_t>(std::atol(v)) : 10000;
}

class FixedSeed : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(FixedSeed, EveryRuleHoldsAfterEveryEvent) {
  const std::size_t count = eventsPerSeed();
  const auto events = ui::randomEvents(GetParam(), count);
  const fuzz::RunResult r = fuzz::run(events);
  ASSERT_TRUE(r.ok) << "seed " << GetParam() << "\n" << fuzz::reproducer(events, r);
  EXPECT_EQ(r.events, count);
  std::printf("seed %llu: %zu events, %zu ticks, %zu program starts, %zu pages printed\n",
              static_cast<unsigned long long>(GetParam()), r.events, r.ticks, r.starts, r.pages);
}

// 20 seeds × 10,000 events.
INSTANTIATE_TEST_SUITE_P(Seeds, FixedSeed, ::testing::Range<std::uint64_t>(1, 21));

TEST(Fuzz, SequencesAreReproducible) {
  const auto a = ui::randomEvents(7, 500), b = ui::randomEvents(7, 500);
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) EXPECT_EQ(ui::describe(a[i]), ui::describe(b[i]));
  const fuzz::RunResult r1 = fuzz::run(a), r2 = fuzz::run(b);
  EXPECT_EQ(r1.ticks, r2.ticks);
  EXPECT_EQ(r1.starts, r2.starts);
}

TEST(Fuzz, DecodedBytesNeverGiveNaNCoordinates) {
  std::vector<std::uint8_t> bytes(22 * 64);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 37 + 255);
  const auto events = ui::decodeEvents(bytes.data(), bytes.size());
  EXPECT_EQ(events.size(), 64u);
  EXPECT_TRUE(fuzz::run(events).ok);
  EXPECT_TRUE(ui::decodeEvents(bytes.data(), 21).empty());
}

}  // namespace

namespace {

// A fault planted on purpose: the S-wave phase passing half a radian, which
// needs the S-wave window opened and four ticks. Whatever else a long
// sequence did, the reproducer comes down to those two or three events.
TEST(Fuzz, FailingSequenceIsCutToItsEssentialEvents) {
  fuzz::setExtraRule([](fuzz::Program& p, const fuzz::Step&, fuzz::Faults& out) {
    if (auto* w = p.menu().swave(); w && w->loaded() && w->phase() > 0.5) out.push_back("planted");
  });
  std::vector<ui::RandomEvent> events;
  for (std::uint64_t seed = 100; events.size() < 3000; ++seed) {
    auto more = ui::randomEvents(seed, 3000);
    events.insert(events.end(), more.begin(), more.end());
  }
  const fuzz::RunResult failed = fuzz::run(events);
  ASSERT_FALSE(failed.ok);
  ASSERT_EQ(failed.fault, "planted");
  const auto shortest = fuzz::minimise(events, failed.fault);
  EXPECT_LE(shortest.size(), 3u);
  const fuzz::RunResult again = fuzz::run(shortest, fuzz::Log::Text);
  EXPECT_FALSE(again.ok);
  const std::string text = fuzz::reproducer(events, failed);
  EXPECT_NE(text.find("横波(Ｓ波)"), std::string::npos) << text;
  EXPECT_NE(text.find("tick"), std::string::npos) << text;
  std::printf("%s", text.c_str());
  fuzz::setExtraRule({});
}

}  // namespace
