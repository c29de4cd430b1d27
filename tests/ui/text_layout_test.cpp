// Text from the fonts' own metrics: a text that fits is one line whatever it
// holds; a longer one breaks between Japanese characters and between Latin
// words, never before closing punctuation or small kana nor after an opening
// bracket, and at every newline. Glyphs are drawn at whole pixels, and a
// label's lines keep their places as the zoom grows.
#include <gtest/gtest.h>

#include "ui/font_metrics.h"
#include "ui/text_layout.h"

namespace {

// The fixed-width face at 7.5 pt, 10 pixels: every Japanese character 10
// pixels wide, ASCII 5, easy widths to reason about.
std::vector<std::string> lines(const std::string& s, double width) {
  return ui::breakLines(ui::Font{ui::kGothic, 7.5f}, s, width);
}

using L = std::vector<std::string>;

}  // namespace

TEST(BreakLines, FittingTextStaysOneLineAndLongerTextBreaksWhereJapaneseAllows) {
  EXPECT_EQ(lines("　震源", 30), L{"　震源"});
  EXPECT_EQ(lines("　震源", 29.9), (L{"　震", "源"}));
  EXPECT_EQ(lines("あいうえお", 25), (L{"あい", "うえ", "お"}));
  // Never before 」 or 。 or a small kana, never after 「.
  EXPECT_EQ(lines("あい」う", 25), (L{"あ", "い」", "う"}));
  EXPECT_EQ(lines("あいっう", 25), (L{"あ", "いっ", "う"}));
  EXPECT_EQ(lines("あ「いう", 25), (L{"あ", "「い", "う"}));
  // Latin words stay whole, the blank between them dropped at the break.
  EXPECT_EQ(lines("abc defg hi", 30), (L{"abc", "defg", "hi"}));
  EXPECT_EQ(lines("上\n下", 100), (L{"上", "下"}));
  // A word longer than the box stands alone on its line.
  EXPECT_EQ(lines("abcdefghij あ", 20), (L{"abcdefghij", "あ"}));
}

TEST(BreakLines, ProportionalTextBreaksOnItsOwnAdvances) {
  // In the proportional face "iiii" takes far less room than "MMMM": at 9 pt
  // (12 px) the one fits 30 pixels, the other breaks.
  const ui::FaceMetrics& p = ui::faceMetrics(ui::Typeface::PGothic);
  ASSERT_LT(p.width("iiii", 12), 30);
  ASSERT_GT(p.width("MM", 12), 15);
  EXPECT_EQ(ui::breakLines(ui::Font{}, "iiii", 30), L{"iiii"});
  EXPECT_EQ(ui::breakLines(ui::Font{}, "MM MM", 30), (L{"MM", "MM"}));
  // A full-width character is an em in both faces; control characters take no room.
  for (ui::Typeface t : {ui::Typeface::PGothic, ui::Typeface::Gothic})
    EXPECT_DOUBLE_EQ(ui::faceMetrics(t).width("震\t源", 11), 22);
}

TEST(TextSize, WholePixelGlyphsOnLinesThatScaleWithTheZoom) {
  const ui::Font label{ui::kPGothic, 8.25f};
  const ui::TextSize at100 = ui::textSize(label, 1);
  EXPECT_EQ(at100.px, 11);
  for (double z : {1.0, 1.25, 1.5, 2.0, 2.5, 3.0}) {
    const ui::TextSize s = ui::textSize(label, z);
    EXPECT_NEAR(s.px, 11 * z, 0.5) << z;
    // The baseline below the glyphs' tops, their descent above the next line.
    EXPECT_GT(s.baseline, s.px * 3 / 4) << z;
    EXPECT_LT(s.baseline, s.lineStep) << z;
    // Lines a label has at 100 % stand where they did, scaled, to a pixel.
    EXPECT_NEAR(s.lineStep, at100.lineStep * z, 0.5 + 0.5 * z) << z;
  }
  EXPECT_EQ(ui::controlFontPixels(1), 12);
  EXPECT_EQ(ui::controlFontPixels(1.25), 15);
}
