// The network finder window's texts that follow its state: the message for
// each kind of bad input, a network's value and error, its formula, and the
// hint that fewer resistors already do, in both languages.
#pragma once

#include <string>

#include "core/language_words.h"
#include "core/network_finder.h"
#include "core/network_finder_model.h"
#include "core/standard_values.h"

namespace kalvane {

// Why no search runs, in the window's language.
std::string FinderProblemMessage(const NetworkFinderModel::InputError& error,
                                 NetworkFinderModel::ListMode mode, Language language);

// A signed relative error: "exact" at zero, in ppm below 0.01 % ("+2.5 ppm",
// "-0.031 ppm"), otherwise in percent ("+1.23 %", "-0.0125 %"), with three
// significant digits.
std::string ErrorText(double error, Language language);

// A resistance as a resistor's label: "47", "4.7k", "2.2M", "0.47".
std::string ResistorLabel(double ohms);

// A network's formula from its labels: "1.2k + (33 || 47)".
std::string NetworkFormula(const Network& network);

// "= 1.23387 K Ohm  (+0.0108 %)": the value to six significant digits and
// the error.
std::string NetworkValueText(const Network& network, Language language);

// That `count` resistors already come within a tenth of the series'
// tolerance.
std::string HintText(int count, StandardSeries series, Language language);

// The excluded entries that are not values of the series.
std::string NotInSeriesText(const std::vector<std::string>& entries, StandardSeries series,
                            Language language);

}  // namespace kalvane
