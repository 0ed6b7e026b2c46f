// A small drawing of one resistor network: parts in series left to right,
// parallel branches stacked between two rails, each resistor labelled with
// its value. It draws what it is given and decides nothing.
#pragma once

#include <QWidget>
#include <optional>

#include "core/network_finder.h"

namespace kalvane {

class NetworkSchematic : public QWidget {
  Q_OBJECT

 public:
  explicit NetworkSchematic(QWidget* parent = nullptr);

  // Draws `network`, or nothing.
  void Show(const std::optional<Network>& network);
  const std::optional<Network>& Shown() const { return network_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<Network> network_;
};

}  // namespace kalvane
