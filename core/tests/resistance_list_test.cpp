#include "core/resistance_list.h"

#include <gtest/gtest.h>

#include <string>

#include "core/tests/row_name.h"

namespace kalvane {
namespace {

struct ListRow {
  std::string name;
  std::string typed;
  std::string read;  // the entries' texts joined by "|", or "error N at E"
};

std::string Describe(const std::variant<std::vector<ResistanceText>, ResistanceListError>& r) {
  if (const auto* error = std::get_if<ResistanceListError>(&r))
    return "error " + std::to_string(static_cast<int>(error->error)) + " at " +
           std::to_string(error->entry);
  std::string out;
  for (const ResistanceText& v : std::get<std::vector<ResistanceText>>(r))
    out += (out.empty() ? "" : "|") + v.text;
  return out;
}

class ReadResistanceListTest : public testing::TestWithParam<ListRow> {};

TEST_P(ReadResistanceListTest, ReadsEveryEntryOrNamesTheFirstBadOne) {
  EXPECT_EQ(Describe(ReadResistanceList(GetParam().typed)), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ReadResistanceListTest,
    testing::Values(ListRow{"Blank", "  \t ", ""},
                    ListRow{"EverySeparator", "4k7, 10k;2M2 R47\t1.5",
                            "4700|10000|2200000|0.47|1.5"},
                    ListRow{"DuplicatesKept", "1k 1k", "1000|1000"},
                    ListRow{"PersianDigitsAndSeparators", "۴k۷، ۱۰۰؛ ٢٫٢", "4700|100|2.2"},
                    ListRow{"SecondEntryNotANumber", "1k abc 2k", "error 1 at 2"},
                    ListRow{"ZeroRefused", "0", "error 3 at 1"},
                    ListRow{"UnknownUnitNamed", "1k 2k 4m7", "error 2 at 3"}),
    RowName{});

}  // namespace
}  // namespace kalvane
