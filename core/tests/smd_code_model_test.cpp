// The SMD code window's state: what each box takes and what it reads as.
#include "core/smd_code_model.h"

#include <gtest/gtest.h>

#include <string>

namespace kalvane {
namespace {

using Box = SmdCodeModel::Box;

TEST(SmdCodeModelTest, OpensWithAnExampleInEachBox) {
  const SmdCodeModel model;
  const auto& readings = std::get<std::vector<SmdReading>>(model.Readings());
  ASSERT_EQ(readings.size(), 1u);
  EXPECT_EQ(readings[0].text, "4700");
  EXPECT_EQ(std::get<SmdCodes>(model.Codes()).threeDigit, "472");
}

TEST(SmdCodeModelTest, BoxesTakeAsciiAndReadPersianDigits) {
  SmdCodeModel model;
  EXPECT_EQ(model.KeyInsertion(Box::Code, "G", 0), "G");  // named by the message, not refused
  EXPECT_EQ(model.KeyInsertion(Box::Code, "47", 0), std::nullopt);  // room for one more
  EXPECT_EQ(model.KeyInsertion(Box::Code, "ب", 4), std::nullopt);
  EXPECT_EQ(model.KeyInsertion(Box::Value, "۵", 0), "5");
  EXPECT_EQ(model.PasteInsertion(Box::Code, std::string(1 << 20, '7'), 3), "7777");
  EXPECT_EQ(model.PasteInsertion(Box::Value, "\u200f4\u200b7\u00a0k", 4), "47k");

  model.Edit(Box::Code, "۰۱C");
  EXPECT_EQ(model.Text(Box::Code), "01C");
  EXPECT_EQ(std::get<std::vector<SmdReading>>(model.Readings())[0].text, "10000");
  model.Edit(Box::Code, "97A");
  EXPECT_EQ(std::get<SmdCodeError>(model.Readings()), SmdCodeError::NoSuchIndex);
  model.Edit(Box::Code, "");
  EXPECT_EQ(std::get<SmdCodeError>(model.Readings()), SmdCodeError::Empty);
  model.Edit(Box::Value, "4.75k0000000000");
  EXPECT_EQ(model.Text(Box::Value), "4.75k0000000");
  EXPECT_EQ(std::get<ResistanceTextError>(model.Codes()), ResistanceTextError::NotANumber);
  model.Edit(Box::Value, "4.75k");
  const SmdCodes codes = std::get<SmdCodes>(model.Codes());
  EXPECT_EQ(codes.threeDigit, std::nullopt);
  EXPECT_EQ(codes.fourDigit, "4751");
  EXPECT_EQ(codes.eia96, "66B");
}

}  // namespace
}  // namespace kalvane
