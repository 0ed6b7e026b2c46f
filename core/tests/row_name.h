// Names the rows of a parameterised test table after their `name` field, so
// a failure reads "Grammar/TextToNumberTest.ReadsLongestLeadingNumber/SecondPoint",
// and prints such a row as its name wherever GoogleTest shows a parameter
// ("GetParam() = SecondPoint") instead of the row's raw bytes.
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <ostream>
#include <string>
#include <string_view>

namespace kalvane {

struct RowName {
  template <typename Row>
  std::string operator()(const testing::TestParamInfo<Row>& row) const {
    return row.param.name;
  }
};

template <typename Row>
concept NamedRow = requires(const Row& row) {
  { row.name } -> std::convertible_to<std::string_view>;
};

// The tables live in their files' unnamed namespace, where GoogleTest's
// printer looks for PrintTo; a row with its own PrintTo keeps it.
namespace {
template <NamedRow Row>
void PrintTo(const Row& row, std::ostream* out) {
  *out << std::string_view(row.name);
}
}  // namespace

}  // namespace kalvane
