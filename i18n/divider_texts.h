// What the divider / regulator window writes besides its fixed captions, in
// both languages: the spoken name of each box, the message under the boxes
// (why there are no pairs, or the output asked for), the cells of a result
// row and the values the picture shows. Numbers are written "C"-style with
// ASCII digits and the unit symbols V, A and Ohm in both languages.
#pragma once

#include <array>
#include <string>

#include "core/divider_model.h"
#include "core/language_words.h"

namespace kalvane {

// A resistance with its prefix: "470 Ω", "1.8 kΩ", "2.2 MΩ".
std::string OhmsText(double ohms);
// A voltage to four significant digits: "3.311 V", "12.05 V", "3.300 V".
std::string VoltsText(double volts);
// A current to three significant digits: "1.67 mA", "850 µA", "1.2 A".
std::string AmpsText(double amps);
// A signed relative error: "+0.34 %", in ppm below 0.01 % ("-25 ppm"),
// and "exact" ("دقيق") at zero.
std::string RelativeErrorText(double error, Language language);

// The name a screen reader speaks for a box, from its caption: "Input
// voltage Vin (V)", and "R1 (Ohm) to" for the upper end of a range.
std::string DividerBoxName(DividerModel::Box box, DividerModel::TargetKind kind, Language language);

struct DividerNote {
  std::string text;
  bool problem;  // shown as an error
};
// The line under the boxes: the problem with the box that has one ("Input
// voltage Vin (V): type a number, e.g. 5."), or the output asked for.
DividerNote DividerMessage(const DividerModel& model, Language language);

// The cells of a result row in kPairColumns' order: R1, R2, Vout, error,
// current through R1, worst-case range.
std::array<std::string, 6> PairRowTexts(const DividerPair& pair, Language language);

}  // namespace kalvane
