// The character and length rules over UTF-8 text, with the Persian and
// Arabic number characters a Persian keyboard types.
#include "core/entry_rules.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/tests/row_name.h"

namespace kalvane {
namespace {

struct TypedRow {
  const char* name;
  const char* keyText;
  std::string_view allowed;
  std::optional<std::string> inserted;
};

void PrintTo(const TypedRow& row, std::ostream* os) {
  *os << row.name;
}

class TypedInsertionTest : public testing::TestWithParam<TypedRow> {};

TEST_P(TypedInsertionTest, TypesAsciiOrRefusesTheWholeKey) {
  EXPECT_EQ(TypedInsertion(GetParam().keyText, GetParam().allowed), GetParam().inserted);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypedInsertionTest,
    testing::Values(TypedRow{"Digit", "7", kIntegerSet, "7"},
                    TypedRow{"PersianDigits", "۰۱۲۳۴۵۶۷۸۹", kIntegerSet, "0123456789"},
                    TypedRow{"ArabicIndicDigits", "٠١٢٣٤٥٦٧٨٩", kIntegerSet, "0123456789"},
                    TypedRow{"ArabicSeparatorIsAPoint", "٫", kDecimalSet, "."},
                    TypedRow{"PointRefusedByTheCount", ".", kIntegerSet, std::nullopt},
                    TypedRow{"OneLetterRefusesAll", "4k", kDecimalSet, std::nullopt},
                    TypedRow{"ArabicCommaRefused", "٬", kDecimalSet, std::nullopt},
                    TypedRow{"DirectionMarkRefused", "\u200f", kDecimalSet, std::nullopt}),
    RowName{});

TEST(EntryRulesTest, KeepOnlyDropsWholeCharacters) {
  EXPECT_EQ(KeepOnly("1a2.3\u200b4", kIntegerSet), "1234");
  EXPECT_EQ(KeepOnly("\xd9\xa1"
                     "5",
                     kIntegerSet),
            "5");  // an Arabic digit is not ASCII
  EXPECT_EQ(ToAsciiNumberText("a,b ۴٫۵"), "a,b 4.5");
  EXPECT_EQ(ToAsciiNumberText("\xdb"), "\xdb");  // a cut sequence stays as it is
}

TEST(EntryRulesTest, LimitFollowsThePointFromTheStart) {
  EXPECT_EQ(LimitByPoint("12", 1, 5, 3), 3);
  EXPECT_EQ(LimitByPoint("12.", 1, 5, 3), 5);
  EXPECT_EQ(LimitByPoint("1.234", 3, 5, 3), 3);  // searched from the third character on
  EXPECT_EQ(LimitByPoint("", 1, 1, 7), 7);
}

// A paste as one line: only the invisible format characters of the Basic
// Multilingual Plane go (the GUI test holds the set against Qt's); one
// outside it, and every visible character, stays.
TEST(EntryRulesTest, PastedLineDropsFormatMarksAndJoinsLines) {
  EXPECT_EQ(PastedLine("\u200f1\u200b2\u00ad3\ufeff"), "123");
  EXPECT_EQ(PastedLine("4\r\n7\n"), "4 7 ");
  EXPECT_EQ(PastedLine("\u0600\u202e\u2066x\ufffb"), "x");
  EXPECT_EQ(PastedLine("\U000E0001\U0001F600\u00a0k"), "\U000E0001\U0001F600\u00a0k");
  // Cut in characters: an emoji is one of them and never split.
  EXPECT_EQ(PastedLineWithin("\U0001F600ab", 1, 0, 3), "\U0001F600a");
}

TEST(EntryRulesTest, CharactersAreCountedNotBytes) {
  EXPECT_EQ(CharacterCount("۱۲a"), 3u);
  EXPECT_EQ(ByteOffsetOf("۱۲a", 2), 4u);
  EXPECT_EQ(ByteOffsetOf("ab", 5), 2u);
}

}  // namespace
}  // namespace kalvane
