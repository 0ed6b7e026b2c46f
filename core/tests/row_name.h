// Names the rows of a parameterised test table after their `name` field, so
// a failure reads "Grammar/TextToNumberTest.ReadsLongestLeadingNumber/SecondPoint".
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace kalvane {

struct RowName {
  template <typename Row>
  std::string operator()(const testing::TestParamInfo<Row>& row) const {
    return row.param.name;
  }
};

}  // namespace kalvane
