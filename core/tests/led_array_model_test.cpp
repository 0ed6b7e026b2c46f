// The LED array window's state: what each box takes, the two modes, the
// series, and a problem that replaces the design instead of leaving it.
#include "core/led_array_model.h"

#include <gtest/gtest.h>

#include <string>

namespace kalvane {
namespace {

using Box = LedArrayModel::Box;

const LedArrayDesign& DesignOf(const LedArrayModel& model) {
  return std::get<LedArrayDesign>(model.Result());
}

TEST(LedArrayModelTest, OpensWithAWorkedExampleWithARemainder) {
  const LedArrayModel model(StandardSeries::E24);
  const LedArrayDesign& design = DesignOf(model);
  ASSERT_EQ(design.kinds.size(), 2u);
  EXPECT_EQ(design.kinds[0].strings, 8);
  EXPECT_EQ(design.kinds[0].leds, 3);
  EXPECT_EQ(design.kinds[1].strings, 1);
  EXPECT_EQ(design.kinds[1].leds, 1);
  EXPECT_TRUE(model.Automatic());
}

TEST(LedArrayModelTest, BoxesTakeTheirCharactersWithinTheirLimits) {
  LedArrayModel model;
  EXPECT_EQ(model.KeyInsertion(Box::Supply, "۵", 0), "5");
  EXPECT_EQ(model.KeyInsertion(Box::Supply, ".", 0), ".");
  EXPECT_EQ(model.KeyInsertion(Box::LedCount, ".", 0), std::nullopt);
  EXPECT_EQ(model.KeyInsertion(Box::Current, "a", 0), std::nullopt);
  EXPECT_EQ(model.KeyInsertion(Box::LedCount, "9", 0), "9");    // "25" has room
  EXPECT_EQ(model.KeyInsertion(Box::LedCount, "99", 0), "99");  // up to four digits
  EXPECT_EQ(model.KeyInsertion(Box::LedCount, "999", 0), std::nullopt);
  EXPECT_EQ(model.PasteInsertion(Box::Supply, "\u200f۱۲ V\n", 2), "12");
  EXPECT_EQ(model.PasteInsertion(Box::Current, std::string(1 << 20, '7'), 2), "77777777");

  model.Edit(Box::Supply, "۲۴.۵");
  EXPECT_EQ(model.Text(Box::Supply), "24.5");
  model.Edit(Box::Current, "123456789012");
  EXPECT_EQ(model.Text(Box::Current), "12345678");
}

TEST(LedArrayModelTest, AProblemReplacesTheDesignAndGoesAgain) {
  LedArrayModel model;
  model.Edit(Box::Supply, "3");
  EXPECT_EQ(std::get<LedArrayProblem>(model.Result()).error, LedArrayError::SupplyBelowOneLed);
  model.Edit(Box::Supply, "");
  EXPECT_EQ(std::get<LedArrayProblem>(model.Result()),
            (LedArrayProblem{LedArrayError::Empty, Box::Supply}));
  model.Edit(Box::Supply, "12");
  EXPECT_EQ(DesignOf(model).kinds.size(), 2u);
}

TEST(LedArrayModelTest, FixedModeStartsFromTheAutomaticCount) {
  LedArrayModel model;
  EXPECT_EQ(model.Text(Box::PerString), "3");
  model.Edit(Box::Headroom, "3");
  EXPECT_EQ(model.Text(Box::PerString), "2");  // 12 - 3 x 3.3 keeps 2.1 V only
  model.Edit(Box::Supply, "");
  EXPECT_EQ(model.Text(Box::PerString), "2");  // no design: the last count stays
  model.Edit(Box::Supply, "12");
  model.SetAutomatic(false);
  EXPECT_EQ(DesignOf(model).ledsPerString, 2);
  model.Edit(Box::PerString, "4");
  EXPECT_EQ(std::get<LedArrayProblem>(model.Result()).error, LedArrayError::SupplyBelowString);
  model.Edit(Box::PerString, "3");
  EXPECT_EQ(DesignOf(model).ledsPerString, 3);
  EXPECT_EQ(DesignOf(model).warnings.front(), LedArrayWarning::HeadroomBelowMargin);
  model.SetAutomatic(true);
  EXPECT_EQ(DesignOf(model).ledsPerString, 2);
  EXPECT_EQ(model.Text(Box::PerString), "2");
}

TEST(LedArrayModelTest, TheSeriesChoosesTheResistors) {
  LedArrayModel model(StandardSeries::E96);
  EXPECT_EQ(DesignOf(model).kinds[0].resistor.text, "137");
  model.ChooseSeries(StandardSeries::E6);
  EXPECT_EQ(model.Series(), StandardSeries::E6);
  EXPECT_EQ(DesignOf(model).kinds[0].resistor.text, "150");
  EXPECT_EQ(DesignOf(model).kinds[1].resistor.text, "470");
}

}  // namespace
}  // namespace kalvane
