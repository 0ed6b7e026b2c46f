// The SMD code window as plain state: a box for a printed code and a box for
// a resistance, with their entry rules, and what each reads as, kept current
// while the user types. The window shows it; the words for the forms and
// the error kinds are i18n's. It knows nothing of widgets.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/smd_code.h"

namespace kalvane {

class SmdCodeModel {
 public:
  enum class Box { Code, Value };
  // A code has at most four characters; a resistance as typed, twelve
  // ("999000000000", "0.001", "4.75k").
  static constexpr std::size_t kCodeLimit = 4;
  static constexpr std::size_t kValueLimit = 12;

  // Opens with an example in each box: the code "472" and the value "4.7k".
  SmdCodeModel();

  const std::string& Text(Box box) const { return box == Box::Code ? code_ : value_; }
  std::size_t LengthLimit(Box box) const { return box == Box::Code ? kCodeLimit : kValueLimit; }

  // Any printable ASCII character may be typed or pasted, so that a wrong
  // one is named rather than swallowed; Persian and Arabic digits read as
  // ASCII; nothing grows a box past its limit. See KeyInsertionWithin.
  std::optional<std::string> KeyInsertion(Box box, std::string_view keyText,
                                          std::size_t selected) const;
  std::string PasteInsertion(Box box, std::string_view clipboard, std::size_t selected) const;

  // A box's text after the user edited it: its digits as ASCII, cut to the
  // limit, then read again.
  void Edit(Box box, std::string_view text);

  // The value or values the code stands for, or why it is none.
  const SmdDecodeResult& Readings() const { return readings_; }
  // Every code that marks the typed value, or why there are none.
  const SmdEncodeResult& Codes() const { return codes_; }

 private:
  std::string code_;
  std::string value_;
  SmdDecodeResult readings_;
  SmdEncodeResult codes_;
};

}  // namespace kalvane
