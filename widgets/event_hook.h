// The mechanism shared by DisRClick and DisRClickCombo: one event filter per
// module, installed on the widgets the module hooks, that discards every event
// its procedure rejects and lets everything else through. It does not decide
// which events go; the module's procedure does.
#pragma once

#include <QObject>
#include <QSet>

class QEvent;
class QWidget;

namespace kalvane {

class EventHook : public QObject {
  Q_OBJECT

 public:
  // Returns true to discard `event` on its way to `window`.
  using Procedure = bool (*)(QObject* window, QEvent* event);

  explicit EventHook(Procedure procedure, QObject* parent = nullptr);

  // Installs the filter on `widget`. A null widget or one already hooked is
  // left as it is, so the filter is never installed twice. A hooked widget
  // that is destroyed is forgotten.
  void Hook(QWidget* widget);
  // Removes the filter from `widget`; a widget this hook does not hold is
  // left as it is.
  void Unhook(QWidget* widget);
  bool IsHooked(const QWidget* widget) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Procedure procedure_;
  // Used as identities only; an entry leaves the set when its widget dies.
  QSet<const QObject*> hooked_;
};

}  // namespace kalvane
