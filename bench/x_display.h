// An X display of its own for a benchmark: a fresh Xvfb on a number no other
// program uses (Xvfb -displayfd picks it), watched through an XCB connection
// for the moment a program's first top-level window is mapped and the
// moment that window first receives drawing. It only starts, watches and
// stops its server; which program runs on it is the caller's.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

struct xcb_connection_t;

namespace kalvane::bench {

class XDisplay {
 public:
  // Starts Xvfb (one 1280 x 1024 x 24 screen, no TCP) and connects to it.
  // IsReady() is false when either failed.
  XDisplay();
  ~XDisplay();
  XDisplay(const XDisplay&) = delete;
  XDisplay& operator=(const XDisplay&) = delete;

  bool IsReady() const { return connection_ != nullptr; }
  // ":N", for DISPLAY.
  const std::string& Name() const { return name_; }

  // Forgets every event received so far; call before starting a program.
  void Drain();

  struct Window {
    std::uint32_t id = 0;
    std::int64_t mappedNs = 0;   // MapNotify of the first top-level window
    std::int64_t paintedNs = 0;  // its first damage after the map; 0 when not seen
  };
  // Waits until a window that is not override-redirect (a main window or a
  // dialog, never a menu or a tooltip) is mapped on the root window, then,
  // when `untilPainted`, until the first drawing into it. Times are
  // MonotonicNs() at the moment each event was read. Nothing by `deadlineNs`.
  std::optional<Window> WaitForWindow(std::int64_t deadlineNs, bool untilPainted);

  // Waits until `window` has been destroyed (its program has ended and the
  // server has cleaned up after it), at most until `deadlineNs`.
  void WaitForDestroy(std::uint32_t window, std::int64_t deadlineNs);

 private:
  // The next event, waiting at most until `deadlineNs`; null on timeout.
  void* NextEvent(std::int64_t deadlineNs);

  pid_t server_ = -1;
  std::string name_;
  xcb_connection_t* connection_ = nullptr;
  std::uint32_t root_ = 0;
  std::uint8_t damageEvent_ = 0;  // the first event code of the DAMAGE extension
};

}  // namespace kalvane::bench
