// Tells when a window has been shown and painted: the first paint event that
// reaches any widget of a window arms a queued call, which runs once that
// whole paint pass (the window and all its children) has finished. It
// watches through an application-wide event filter and changes nothing it
// sees.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace kalvane::bench {

class FirstPaintWatch : public QObject {
 public:
  // `painted(window)` runs once per window that `wanted(window)` accepts,
  // after its first paint pass. Installed on the application at once.
  FirstPaintWatch(std::function<bool(QWidget*)> wanted, std::function<void(QWidget*)> painted,
                  QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool(QWidget*)> wanted_;
  std::function<void(QWidget*)> painted_;
  QList<QWidget*> seen_;
};

}  // namespace kalvane::bench
