#include "core/power_rating.h"

#include <gtest/gtest.h>

#include "core/tests/row_name.h"

namespace kalvane {
namespace {

struct RatingRow {
  const char* name;
  double power;
  const char* caption;  // nullptr: none
};

class RateResistorPowerTest : public testing::TestWithParam<RatingRow> {};

TEST_P(RateResistorPowerTest, PicksSmallestCoveringRung) {
  auto caption = RateResistorPower(GetParam().power, "W");
  if (GetParam().caption) {
    ASSERT_TRUE(caption.has_value());
    EXPECT_EQ(*caption, GetParam().caption);
  } else {
    EXPECT_FALSE(caption.has_value());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ladder, RateResistorPowerTest,
    testing::Values(RatingRow{"Small", 0.02, "1/4 W"}, RatingRow{"AtQuarter", 0.25, "1/4 W"},
                    RatingRow{"JustAboveQuarter", 0.2500001, "1/2 W"},
                    RatingRow{"AtHalf", 0.5, "1/2 W"}, RatingRow{"BelowOne", 0.98, "1 W"},
                    RatingRow{"BelowTwo", 1.88, "2 W"}, RatingRow{"AtFive", 5, "5 W"},
                    RatingRow{"AtTen", 10, "10 W"}, RatingRow{"AboveTen", 10.5, nullptr},
                    RatingRow{"Zero", 0, "1/4 W"}, RatingRow{"Negative", -0.032, "1/4 W"}),
    RowName());

TEST(RateResistorPower, AppendsThePersianWattWord) {
  EXPECT_EQ(RateResistorPower(0.02, "وات"), "1/4 وات");
  EXPECT_EQ(RateResistorPower(3, "وات"), "5 وات");
}

TEST(ResistorPower, SeriesSquaresTheCurrentParallelMultipliesVoltage) {
  EXPECT_EQ(SeriesResistorPower(0.02, 50), 0.02);
  EXPECT_EQ(SeriesResistorPower(0.02, -80), -0.032);
  EXPECT_EQ(ParallelResistorPower(9.8, 0.1), 0.98);
  // 9.8 * 0.196 is 1.9208000000000003 unrounded.
  EXPECT_EQ(ParallelResistorPower(9.8, 0.196), 1.9208);
}

}  // namespace
}  // namespace kalvane
