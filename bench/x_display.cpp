#include "bench/x_display.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/bench_support.h"

extern char** environ;

namespace kalvane::bench {
namespace {

constexpr std::int64_t kServerStartNs = 20'000'000'000;

}  // namespace

XDisplay::XDisplay() {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0)
    return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, ends[1], 3);  // dup2 clears close-on-exec
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> argText = {"/usr/bin/Xvfb", "-displayfd", "3",  "-screen", "0",
                                      "1280x1024x24",  "-nolisten",  "tcp"};
  std::vector<char*> args;
  for (std::string& a : argText)
    args.push_back(a.data());
  args.push_back(nullptr);
  const int spawned = posix_spawn(&server_, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(ends[1]);
  if (spawned != 0) {
    server_ = -1;
    close(ends[0]);
    return;
  }
  // Xvfb writes its display number once it accepts connections.
  std::string number;
  const std::int64_t deadline = MonotonicNs() + kServerStartNs;
  for (char c = 0; c != '\n';) {
    pollfd readable{ends[0], POLLIN, 0};
    const std::int64_t left = deadline - MonotonicNs();
    if (left <= 0 || poll(&readable, 1, static_cast<int>(left / 1'000'000) + 1) <= 0 ||
        read(ends[0], &c, 1) != 1) {
      break;
    }
    if (c >= '0' && c <= '9')
      number += c;
  }
  close(ends[0]);
  if (number.empty())
    return;
  name_ = ":" + number;
  connection_ = xcb_connect(name_.c_str(), nullptr);
  if (xcb_connection_has_error(connection_)) {
    xcb_disconnect(connection_);
    connection_ = nullptr;
    return;
  }
  root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
  if (!damage || !damage->present) {
    xcb_disconnect(connection_);
    connection_ = nullptr;
    return;
  }
  damageEvent_ = damage->first_event;
  std::free(xcb_damage_query_version_reply(connection_, xcb_damage_query_version(connection_, 1, 1),
                                           nullptr));
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection_);
}

XDisplay::~XDisplay() {
  if (connection_)
    xcb_disconnect(connection_);
  if (server_ > 0) {
    kill(server_, SIGTERM);
    int status = 0;
    waitpid(server_, &status, 0);
  }
}

void XDisplay::Drain() {
  std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
    std::free(event);
}

void* XDisplay::NextEvent(std::int64_t deadlineNs) {
  for (;;) {
    if (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
      return event;
    if (xcb_connection_has_error(connection_))
      return nullptr;
    const std::int64_t left = deadlineNs - MonotonicNs();
    if (left <= 0)
      return nullptr;
    pollfd readable{xcb_get_file_descriptor(connection_), POLLIN, 0};
    poll(&readable, 1, static_cast<int>(left / 1'000'000) + 1);
  }
}

std::optional<XDisplay::Window> XDisplay::WaitForWindow(std::int64_t deadlineNs,
                                                        bool untilPainted) {
  Window window;
  while (window.id == 0) {
    auto* event = static_cast<xcb_generic_event_t*>(NextEvent(deadlineNs));
    if (!event)
      return std::nullopt;
    if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
      const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
      if (map->event == root_ && !map->override_redirect) {
        window.mappedNs = MonotonicNs();
        window.id = map->window;
      }
    }
    std::free(event);
  }
  if (!untilPainted)
    return window;
  // A window Qt creates has no background, so the server draws nothing into
  // it by itself: the first damage is the program's first frame.
  const xcb_damage_damage_t damage = xcb_generate_id(connection_);
  xcb_damage_create(connection_, damage, window.id, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
  xcb_flush(connection_);
  while (window.paintedNs == 0) {
    auto* event = static_cast<xcb_generic_event_t*>(NextEvent(deadlineNs));
    if (!event)
      break;
    if ((event->response_type & 0x7f) == damageEvent_ + XCB_DAMAGE_NOTIFY &&
        reinterpret_cast<xcb_damage_notify_event_t*>(event)->drawable == window.id) {
      window.paintedNs = MonotonicNs();
    }
    std::free(event);
  }
  xcb_damage_destroy(connection_, damage);
  xcb_flush(connection_);
  return window;
}

void XDisplay::WaitForDestroy(std::uint32_t window, std::int64_t deadlineNs) {
  while (auto* event = static_cast<xcb_generic_event_t*>(NextEvent(deadlineNs))) {
    const bool destroyed = (event->response_type & 0x7f) == XCB_DESTROY_NOTIFY &&
                           reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window == window;
    std::free(event);
    if (destroyed)
      return;
  }
}

}  // namespace kalvane::bench
