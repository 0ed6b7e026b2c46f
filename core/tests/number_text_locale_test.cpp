// Runs under the locale named by KALVANE_EXPECTED_LOCALE, set through LC_ALL
// and applied with setlocale(LC_ALL, ""), the call Qt makes at start-up.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "core/colour_bands.h"
#include "core/number_text.h"

namespace kalvane {
namespace {

TEST(NumberTextUnderLocale, TextsDoNotFollowTheLocale) {
  const char* expected = std::getenv("KALVANE_EXPECTED_LOCALE");
  ASSERT_NE(expected, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr)
      << "locale " << expected << " is not installed; the test command generates it";
  // Prove the locale took effect: the C library follows its separator.
  const char* point = std::getenv("KALVANE_EXPECTED_DECIMAL_POINT");
  ASSERT_NE(point, nullptr);
  ASSERT_STREQ(std::localeconv()->decimal_point, point);

  EXPECT_EQ(NumberToText(4.7), "4.7");
  EXPECT_EQ(NumberToText(-0.25), "-0.25");
  EXPECT_EQ(NumberToText(1234567.5), "1234567.5");
  EXPECT_EQ(NumberToText(1.5e16), "1.5E+16");
  EXPECT_EQ(NumberToText(1e-5), "1E-05");
  EXPECT_EQ(TextToNumber("4.7"), 4.7);
  EXPECT_EQ(TextToNumber("1,5"), 1.0);
  EXPECT_EQ(TextToNumber("-2.5e2"), -250.0);
  EXPECT_EQ(NumberToText(TextToNumber("12.25")), "12.25");
}

// Yellow, Violet, Gold: 47 divided by 10, decoded and captioned through text.
TEST(NumberTextUnderLocale, ColourBandCaptionsKeepThePoint) {
  ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr);
  std::optional<BandValue> value = DecodeBands(WindowKind::FourBand, {3, 7, 1, 1, 0});
  ASSERT_TRUE(value);
  EXPECT_EQ(value->text, "4.7");
  EXPECT_EQ(FormatResistance(value->text).englishCaption, "4.7 Ohm");
}

}  // namespace
}  // namespace kalvane

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
