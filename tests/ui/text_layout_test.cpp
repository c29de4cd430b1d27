// Line breaking from layout-size metrics: a text that fits is one line
// whatever it holds; a longer one breaks between Japanese characters and
// between Latin words, never before closing punctuation or small kana nor
// after an opening bracket, and at every newline.
#include <gtest/gtest.h>

#include "ui/text_layout.h"

namespace {

// Every character 10 pixels wide, ASCII 5: easy widths to reason about.
struct Fixed : ui::TextMetrics {
  double width(const ui::Font&, double, std::string_view s) const override { return ui::textMetrics().width({}, 10, s); }
  double lineHeight(const ui::Font&, double) const override { return 12; }
};

std::vector<std::string> lines(const std::string& s, double width) {
  static const Fixed m;
  return ui::breakLines(m, ui::Font{}, s, width);
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
