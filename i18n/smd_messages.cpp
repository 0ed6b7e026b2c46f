#include "i18n/smd_messages.h"

#include "i18n/caption_tables.h"

namespace kalvane {
namespace {

Caption CodeMessage(SmdCodeError error) {
  switch (error) {
    case SmdCodeError::Empty:
      return {"", "کد چاپ شده روي مقاومت را وارد کنيد، مثلا 472 يا 01C.",
              "Type the code printed on the resistor, e.g. 472 or 01C."};
    case SmdCodeError::TooLong:
      return {"", "کد حداکثر چهار نويسه دارد.", "A code has at most four characters."};
    case SmdCodeError::BadCharacter:
      return {"", "کد فقط رقم و حرف دارد.", "A code holds only digits and letters."};
    case SmdCodeError::MoreThanOneR:
      return {"", "در يک کد فقط يک R مي آيد.", "A code holds at most one R."};
    case SmdCodeError::UnknownLetter:
      return {"", "اين حرف در هيچ کدي نيست؛ حرف هاي EIA-96: Z Y R X S A B H C D E F.",
              "No code uses this letter; EIA-96 letters: Z Y R X S A B H C D E F."};
    case SmdCodeError::MisplacedLetter:
      return {"", "حرف EIA-96 بعد از دو رقم مي آيد، مثلا 01C.",
              "An EIA-96 letter follows two digits, e.g. 01C."};
    case SmdCodeError::NoSuchIndex:
      return {"", "شماره EIA-96 از 01 تا 96 است.", "EIA-96 numbers run from 01 to 96."};
    case SmdCodeError::Malformed:
      break;
  }
  return {"", "اين کد مقاومت نيست.", "This is not a resistor code."};
}

Caption ValueMessage(ResistanceTextError error) {
  switch (error) {
    case ResistanceTextError::Empty:
      return {"", "مقدار را به اهم وارد کنيد، مثلا 4700 يا 4k7.",
              "Type a resistance in Ohm, e.g. 4700 or 4k7."};
    case ResistanceTextError::NotANumber:
      break;
    case ResistanceTextError::UnknownUnit:
      return {"", "بعد از عدد فقط R، k يا M مي آيد.", "Only R, k or M may follow the number."};
    case ResistanceTextError::OutOfRange:
      return {"", "هيچ کدي اين مقدار را نشان نمي دهد.", "No code marks this value."};
    case ResistanceTextError::TooManyDigits:
      return {"", "رقم هاي با معني زياد است.", "Too many significant digits."};
  }
  return {"", "اين مقدار مقاومت نيست.", "This is not a resistance."};
}

}  // namespace

std::string_view SmdCodeMessage(SmdCodeError error, Language language) {
  return CodeMessage(error).In(language);
}

std::string_view ResistanceTextMessage(ResistanceTextError error, Language language) {
  return ValueMessage(error).In(language);
}

}  // namespace kalvane
