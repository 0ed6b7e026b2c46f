// The picture of an LED array: each kind of string drawn once between the
// supply rails, its resistor on top and its LEDs below, with the count of
// identical strings beside it and the remainder string drawn apart. It
// paints the labels it is given and computes nothing.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

namespace kalvane {

class LedArrayPicture : public QWidget {
 public:
  struct String {
    int leds = 0;
    QString count;     // "× 8", empty for a single string
    QString resistor;  // "150 Ohm"
    QString ledLabel;  // "3 × 3.1 V"
    QString note;      // "remainder", drawn apart when set
  };

  explicit LedArrayPicture(QWidget* parent = nullptr);

  // What to draw; no strings draws nothing, not even the rails.
  void Show(std::vector<String> strings, const QString& supply, const QString& ground);
  const std::vector<String>& Strings() const { return strings_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<String> strings_;
  QString supply_;
  QString ground_;
};

}  // namespace kalvane
