// Fuzz target for the typed-resistance box of every colour window, driven
// through the core's window model. Each input is pasted whole into a fresh
// window, and then played as a script of user actions into another:
//   '<'            Backspace
//   '|' p          caret before character p - '0'
//   'F' b p        pick position p - '0' in the Persian selector of band b - '0'
//   'E' b p        the same in the English selector
//   '=' text '\n'  paste text over the whole box (to the end of the input
//                  when no newline follows)
//   '\n'           nothing
//   any other byte is typed at the caret.
// After every action the handlers must have ended, every band must hold a
// valid position in both selector sets, the captions must show the bands,
// and in the 4-band window an action that moved a digit or multiplier band
// must leave the box holding the value of the bands (the write-back).
#include <cstdint>
#include <string>
#include <string_view>

#include "core/colour_bands.h"
#include "core/colour_window_model.h"
#include "core/temperature_coefficient.h"
#include "fuzz/fuzz_check.h"

namespace kalvane::fuzz {
namespace {

const char* KindName(WindowKind kind) {
  switch (kind) {
    case WindowKind::FourBand:
      return "4-band";
    case WindowKind::FiveBand:
      return "5-band";
    case WindowKind::SixBand:
      break;
  }
  return "6-band";
}

void CheckWindow(const ColourWindowModel& w, const BandPositions& before, std::string_view step) {
  const ColourWindowLayout& layout = LayoutOf(w.Kind());
  FUZZ_CHECK(!w.DepthLimitReached(), KindName(w.Kind()), step);
  FUZZ_CHECK(AreValidPositions(w.Kind(), w.Positions()), KindName(w.Kind()), step);
  FUZZ_CHECK(w.EnglishPositions() == w.Positions(), KindName(w.Kind()), step);
  FUZZ_CHECK(w.Text().size() <= layout.entryLengthLimit, w.Text(), step);
  FUZZ_CHECK(w.Caret() <= w.Text().size(), w.Text(), step);

  const std::optional<BandValue> value = DecodeBands(w.Kind(), w.Positions());
  FUZZ_CHECK(value.has_value(), KindName(w.Kind()), step);
  const FormattedResistance shown = FormatResistance(value->text);
  FUZZ_CHECK(w.ResistanceCaptionEnglish() == shown.englishCaption, w.ResistanceCaptionEnglish(),
             shown.englishCaption);
  FUZZ_CHECK(w.ResistanceCaptionPersian() == shown.persianCaption, w.ResistanceCaptionPersian(),
             shown.persianCaption);
  const auto tolerance =
      w.State().ToleranceLabelText(w.Positions()[static_cast<std::size_t>(layout.toleranceBand)]);
  FUZZ_CHECK(tolerance && w.ToleranceCaption() == *tolerance, w.ToleranceCaption(), step);
  if (layout.temperatureCoefficientBand >= 0) {
    const std::size_t tc =
        static_cast<std::size_t>(w.Positions()[std::size_t(layout.temperatureCoefficientBand)]);
    FUZZ_CHECK(w.TemperatureCoefficientCaption() ==
                   std::string(TemperatureCoefficientItems()[tc].ppmPerKelvin) + " ppm/K",
               w.TemperatureCoefficientCaption(), step);
  }

  bool valueBandMoved = false;
  for (int band = 0; band <= layout.multiplierBand; ++band) {
    const std::size_t b = static_cast<std::size_t>(band);
    valueBandMoved = valueBandMoved || w.Positions()[b] != before[b];
  }
  if (layout.writesValueToEntry && valueBandMoved)
    FUZZ_CHECK(w.Text() == value->text, w.Text(), value->text);
}

void PasteWhole(WindowKind kind, std::string_view input) {
  ColourWindowModel w(kind);
  const BandPositions before = w.Positions();
  w.SetText(input);
  CheckWindow(w, before, input);
}

int Digit(char c) {
  return c - '0';
}

void PlayScript(WindowKind kind, std::string_view script) {
  ColourWindowModel w(kind);
  CheckWindow(w, w.Positions(), "load");
  std::size_t i = 0;
  while (i < script.size()) {
    const std::size_t begin = i;
    const BandPositions before = w.Positions();
    const char op = script[i++];
    if (op == '<') {
      w.Backspace();
    } else if (op == '|' && i < script.size()) {
      const int position = Digit(script[i++]);
      w.MoveCaret(position < 0 ? 0 : static_cast<std::size_t>(position));
    } else if ((op == 'F' || op == 'E') && i + 1 < script.size()) {
      const int band = Digit(script[i]);
      const int position = Digit(script[i + 1]);
      i += 2;
      if (op == 'F') {
        w.SelectPersian(band, position);
      } else {
        w.SelectEnglish(band, position);
      }
    } else if (op == '=') {
      std::size_t end = script.find('\n', i);
      if (end == std::string_view::npos)
        end = script.size();
      w.SetText(script.substr(i, end - i));
      i = end;
    } else if (op != '\n') {
      w.Type(op);
    }
    CheckWindow(w, before, script.substr(begin, i - begin));
  }
}

}  // namespace
}  // namespace kalvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (kalvane::WindowKind kind : kalvane::kWindowKinds) {
    kalvane::fuzz::PasteWhole(kind, input);
    kalvane::fuzz::PlayScript(kind, input);
  }
  return 0;
}
