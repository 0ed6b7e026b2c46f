// The texts of both languages as data: every caption, message and spoken
// name is there in both, written in the program's own letters, and the ones
// that name different things differ. What the windows do with them is the
// GUI tests' business.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/tests/row_name.h"
#include "i18n/accessible_texts.h"
#include "i18n/caption_tables.h"
#include "i18n/smd_messages.h"

namespace kalvane {
namespace {

constexpr std::array kLanguages = {Language::Persian, Language::English};

// Every fixed caption and spoken name of the tables.
std::vector<Caption> AllCaptions() {
  std::vector<Caption> all;
  for (const Caption* caption : kMainWindowCaptions)
    all.push_back(*caption);
  for (LedCalcMode mode : {LedCalcMode::Resis, LedCalcMode::Volt, LedCalcMode::Amp}) {
    const ModeCaptions m = ModeCaptionsOf(mode);
    all.insert(all.end(),
               {m.thirdBox, m.thirdUnit, m.fourthBox, m.fourthUnit, m.solvedValue, m.solvedUnit});
  }
  all.insert(all.end(), kArrangementItems.begin(), kArrangementItems.end());
  all.insert(all.end(), kEditMenuCaptions.begin(), kEditMenuCaptions.end());
  // clang-format off
  all.insert(all.end(), {
      kSixBandItem, kSmdItem, kSeriesMenu, kInputFrameSeries, kInputFrameParallel,
      kFourBandTitle, kFiveBandTitle, kSixBandTitle, kTemperatureFrame, kResistanceFrame,
      kToleranceFrame, kTypedValueFrame, kSmdTitle, kCodeFrame, kValueFrame, kCodeCaption,
      kValueCaption, kThreeDigitForm, kFourDigitForm, kEia96Form, kJumperForm, kNoCode,
      kReadAsPrefix, kAboutTitle, kIncreasePrefix, kDecreasePrefix, kArrangementListName,
      kDiagramName, kTypedValueBoxName, kResistorDrawingName, kForumLinkPrefix,
      kAboutPictureName});
  // clang-format on
  return all;
}

// Persian texts use the Arabic yeh and the keheh, never the Farsi yeh; the
// Arabic kaf appears only in the word "كد" of the colour windows' titles.
// English texts hold no Arabic-script letter at all.
void ExpectProgramLetters(std::string_view persian, std::string_view english,
                          const std::string& what) {
  EXPECT_FALSE(persian.empty()) << what;
  EXPECT_FALSE(english.empty()) << what;
  EXPECT_EQ(persian.find("\u06CC"), std::string_view::npos) << what << ": Farsi yeh";
  EXPECT_EQ(persian.find("\u0649"), std::string_view::npos) << what << ": alef maksura";
  std::string withoutCodeWord(persian);
  for (std::size_t at; (at = withoutCodeWord.find("كد")) != std::string::npos;)
    withoutCodeWord.erase(at, std::string_view("كد").size());
  EXPECT_EQ(withoutCodeWord.find("\u0643"), std::string::npos) << what << ": Arabic kaf";
  for (unsigned char byte : english)  // U+0600 to U+06FF start with 0xD8 to 0xDB
    EXPECT_FALSE(byte >= 0xD8 && byte <= 0xDB) << what << ": " << english;
}

TEST(Captions, EveryCaptionIsInBothLanguagesInTheProgramsLetters) {
  for (const Caption& caption : AllCaptions())
    ExpectProgramLetters(caption.persian, caption.english, std::string(caption.english));
  for (const Caption& title : {kFourBandTitle, kFiveBandTitle, kSixBandTitle})
    EXPECT_NE(title.persian.find("كد"), std::string_view::npos) << title.english;
}

// The standard rows name the series they come from, except E24, which keeps
// the designed caption.
TEST(Captions, StandardRowsNameTheirSeries) {
  for (Language language : kLanguages) {
    std::set<std::string> seen;
    for (StandardSeries series : kStandardSeries) {
      const std::string caption = StandardRowCaption(series, language);
      const std::string what = std::string(SeriesName(series));
      EXPECT_TRUE(caption.ends_with(" :")) << what;
      EXPECT_TRUE(seen.insert(caption).second) << what << " repeats " << caption;
      if (series == StandardSeries::E24) {
        EXPECT_EQ(caption, kLargerStandardCaption.In(language));
      } else {
        EXPECT_NE(caption.find(what), std::string::npos) << caption;
      }
    }
  }
  ExpectProgramLetters(StandardRowCaption(StandardSeries::E96, Language::Persian),
                       StandardRowCaption(StandardSeries::E96, Language::English), "E96 row");
}

// Each error kind has a message of its own in each language.
TEST(SmdMessages, EveryErrorKindHasItsOwnMessage) {
  for (Language language : kLanguages) {
    std::set<std::string_view> codeMessages;
    for (int k = 0; k <= static_cast<int>(SmdCodeError::Malformed); ++k) {
      const auto error = static_cast<SmdCodeError>(k);
      EXPECT_TRUE(codeMessages.insert(SmdCodeMessage(error, language)).second) << "code " << k;
      ExpectProgramLetters(SmdCodeMessage(error, Language::Persian),
                           SmdCodeMessage(error, Language::English), "code " + std::to_string(k));
    }
    std::set<std::string_view> valueMessages;
    for (int k = 0; k <= static_cast<int>(ResistanceTextError::TooManyDigits); ++k) {
      const auto error = static_cast<ResistanceTextError>(k);
      EXPECT_TRUE(valueMessages.insert(ResistanceTextMessage(error, language)).second)
          << "value " << k;
      ExpectProgramLetters(ResistanceTextMessage(error, Language::Persian),
                           ResistanceTextMessage(error, Language::English),
                           "value " + std::to_string(k));
    }
  }
}

struct SpokenRow {
  std::string name;
  std::string_view caption;
  std::string_view spoken;
};

class SpokenCaptionTest : public testing::TestWithParam<SpokenRow> {};
TEST_P(SpokenCaptionTest, DropsTheColonAndTheBlanksAround) {
  EXPECT_EQ(SpokenCaption(GetParam().caption), GetParam().spoken);
}
INSTANTIATE_TEST_SUITE_P(
    Captions, SpokenCaptionTest,
    testing::Values(SpokenRow{"TrailingColon", "Supply Voltage :", "Supply Voltage"},
                    SpokenRow{"FrameBlanks", " Results ", "Results"},
                    SpokenRow{"PersianCaption", "ولتاژ منبع تغذيه DC :", "ولتاژ منبع تغذيه DC"},
                    SpokenRow{"InnerColonKept", "Band 1: Yellow", "Band 1: Yellow"},
                    SpokenRow{"OnlyBlanksAndColon", " : ", ""}, SpokenRow{"Empty", "", ""}),
    RowName());

// A screen reader tells the controls of one window apart only by their
// names: in every mode and language, the main window's boxes, spin buttons,
// list and diagram each have a name of their own.
TEST(SpokenNames, MainWindowControlsHaveDistinctNames) {
  for (Language language : kLanguages) {
    for (LedCalcMode mode : {LedCalcMode::Resis, LedCalcMode::Volt, LedCalcMode::Amp}) {
      const ModeCaptions m = ModeCaptionsOf(mode);
      auto box = [language](const Caption& caption, const Caption& unit) {
        return BoxAccessibleName(caption.In(language), unit.In(language));
      };
      std::vector<std::string> names = {
          box(kSupplyCaption, kSupplyUnit), box(kCountCaption, kCountUnit),
          box(m.thirdBox, m.thirdUnit), box(m.fourthBox, m.fourthUnit)};
      for (std::size_t i = 0; i < 4; ++i) {
        names.push_back(std::string(kIncreasePrefix.In(language)) + names[i]);
        names.push_back(std::string(kDecreasePrefix.In(language)) + names[i]);
      }
      names.insert(names.end(), {box(m.solvedValue, m.solvedUnit), box(kLightCaption, kLightUnit),
                                 std::string(kArrangementListName.In(language)),
                                 std::string(kDiagramName.In(language))});
      const std::set<std::string> distinct(names.begin(), names.end());
      EXPECT_EQ(distinct.size(), names.size()) << static_cast<int>(mode);
      EXPECT_EQ(distinct.count(""), 0u);
    }
  }
  EXPECT_EQ(BoxAccessibleName(kSupplyCaption.english, kSupplyUnit.english), "Supply Voltage (V)");
}

// Every band of a window and every colour it may show are told apart; bands
// count from 1, and Silver is spoken as spelt rather than as the lists' text.
TEST(SpokenNames, BandNamesNameTheBandAndItsColour) {
  for (Language language : kLanguages) {
    std::set<std::string> names;
    for (int band = 0; band < kMaxBandCount; ++band) {
      for (std::size_t c = 0; c < kBandColourCount; ++c)
        names.insert(BandAccessibleName(band, static_cast<BandColour>(c), language));
    }
    EXPECT_EQ(names.size(), kMaxBandCount * kBandColourCount);
  }
  EXPECT_EQ(BandAccessibleName(0, BandColour::Yellow, Language::English), "Band 1: Yellow");
  EXPECT_EQ(BandAccessibleName(5, BandColour::Silver, Language::English), "Band 6: Silver");
  ExpectProgramLetters(BandAccessibleName(2, BandColour::Gray, Language::Persian),
                       BandAccessibleName(2, BandColour::Gray, Language::English), "band name");
}

}  // namespace
}  // namespace kalvane
