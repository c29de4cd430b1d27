// The teacher's link as text: every field comes back as it went out, and a
// cut, edited, unknown or oversized link opens the opening layout instead,
// keeping only the options that hide answers from pupils.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "observe/class_layout.h"

namespace {

using observe::ClassLayout;
using observe::readLink;

TEST(ClassLink, EveryFieldComesBackAsItWentOut) {
  ClassLayout l;
  l.stations = {{{0, 0}, {12.5f, 3480}, {6000, 17.25f}, {1087.5f, 1227.125f}, {3000.333f, 100}}};
  l.hypocentre = {4200.75f, -60};  // centre still below the surface line
  l.magnitude = 3;
  l.interval = 50;
  l.pupil = l.hidden = l.realTime = true;
  const std::string text = linkText(l);
  const auto read = readLink("#" + text);
  EXPECT_TRUE(read.isLink && read.ok) << text;
  EXPECT_EQ(read.layout, l) << text;
  // The opening layout writes no options and reads back as itself.
  EXPECT_EQ(linkText(ClassLayout{}),
            "kansoku&obs=1020,2960;1020,2360;1020,1760;1020,1160;1020,560&foc=1020,1140&mag=2&speed=20&v=1");
  EXPECT_EQ(readLink("kansoku").layout, ClassLayout{});
  EXPECT_TRUE(readLink("kansoku").ok);
}

// The opening layout's link with one value put in or changed.
std::string with(const std::string& pair) {
  std::string t = linkText(ClassLayout{});
  const std::string key = pair.substr(0, pair.find('=') + 1);
  const size_t at = t.find("&" + key);
  if (at == std::string::npos) return t.insert(t.size() - 4, "&" + pair);
  return t.replace(at + 1, t.find('&', at + 1) - at - 1, pair);
}

TEST(ClassLink, BadLinksOpenTheOpeningLayout) {
  const std::string good = linkText(ClassLayout{});
  for (const std::string& bad : std::vector<std::string>{good.substr(0, good.size() - 9),                 // cut inside a key
        good.substr(0, 30),                              // cut inside the stations
        good + "&mag=4", good + "&mag=2",                // out of range, said twice
        with("obs=1020,2960;1020,2360;1020,1760;1020,1160;6100,560"),  // off the plan view
        with("foc=1020,-70"), with("foc=1020,1700"), with("speed=30"), with("foc=1e3,5"), with("foc=nan,5"),
        with("foc=-1,5"), with("foc=1,,5"), with("foc=1.,5"), with("colour=red"), with("pace=slow"),
        with("hide=yes"), "kansokux", "kansoku&",
        "kansoku&obs=" + std::string(700, '1')}) {
    const auto read = readLink(bad);
    EXPECT_TRUE(read.isLink) << bad;
    EXPECT_FALSE(read.ok) << bad;
    EXPECT_EQ(read.layout, ClassLayout{}) << bad;
  }
  // A pupil's hidden-hypocentre link that lost its end still hides the answers.
  const auto cut = readLink(with("pupil=1").substr(0, 120) + "&hide=1&mag=9");
  EXPECT_FALSE(cut.ok);
  EXPECT_TRUE(cut.layout.pupil && cut.layout.hidden);
  // Other addresses are no link at all.
  for (const char* other : {"", "#", "menu", "Kansoku", "top"}) EXPECT_FALSE(readLink(other).isLink) << other;
}

}  // namespace
