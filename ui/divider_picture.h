// The circuit of the divider / regulator window, drawn with QPainter so that
// R1 and R2 cannot be mistaken: for a divider Vin at the top, R1, the output
// node with Vout, R2 and ground (and the load beside R2 when there is one);
// for a regulator its IN, OUT and ADJ pins with R1 between OUT and ADJ and R2
// from ADJ to ground. It shows the values it is given and decides nothing.
#pragma once

#include <QString>
#include <QWidget>

namespace kalvane {

class DividerPicture : public QWidget {
 public:
  struct Content {
    bool regulator = false;
    QString vin;   // "Vin = 5 V"; empty for a regulator
    QString vout;  // "Vout = 3.311 V"
    QString r1;    // "R1 = 1.8 kΩ"
    QString r2;
    QString load;     // "RL = 10 kΩ"; empty for none
    QString regWord;  // "Regulator", in the window's language
  };

  explicit DividerPicture(QWidget* parent = nullptr);
  void Show(const Content& content);
  const Content& Shown() const { return content_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Content content_;
};

}  // namespace kalvane
