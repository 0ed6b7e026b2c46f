// The number texts under the Windows C runtime's own locales: on Windows
// setlocale takes Windows locale names, and the C runtime's printf and
// strtod follow a comma locale as glibc's do. Built into core_tests only in
// a Windows build; core_tests then runs it once under Wine.
#include <gtest/gtest.h>

#include <clocale>

#include "core/colour_bands.h"
#include "core/number_text.h"
#include "core/tests/row_name.h"

namespace kalvane {
namespace {

struct WindowsLocale {
  const char* name;  // the row's name
  const char* locale;
  const char* decimalPoint;  // nullptr: whatever the locale's data says
};

class NumberTextUnderWindowsLocale : public testing::TestWithParam<WindowsLocale> {
 protected:
  void SetUp() override {
    ASSERT_NE(std::setlocale(LC_ALL, GetParam().locale), nullptr);
    // Prove the locale took effect: the C runtime follows its separator.
    if (GetParam().decimalPoint != nullptr) {
      ASSERT_STREQ(std::localeconv()->decimal_point, GetParam().decimalPoint);
    }
  }
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_P(NumberTextUnderWindowsLocale, TextsDoNotFollowTheLocale) {
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
TEST_P(NumberTextUnderWindowsLocale, ColourBandCaptionsKeepThePoint) {
  std::optional<BandValue> value = DecodeBands(WindowKind::FourBand, {3, 7, 1, 1, 0});
  ASSERT_TRUE(value);
  EXPECT_EQ(value->text, "4.7");
  EXPECT_EQ(FormatResistance(value->text).englishCaption, "4.7 Ohm");
}

INSTANTIATE_TEST_SUITE_P(CRuntime, NumberTextUnderWindowsLocale,
                         testing::Values(WindowsLocale{"German", "German_Germany.1252", ","},
                                         WindowsLocale{"French", "French_France.1252", ","},
                                         WindowsLocale{"Persian", "Persian_Iran.1256", nullptr}),
                         RowName());

}  // namespace
}  // namespace kalvane
