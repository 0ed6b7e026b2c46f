// The program's windows for the start-up probe: every window of the shelf,
// in its order.
#include "bench/first_paint.h"
#include "ui/window_shelf.h"

std::vector<std::string> kalvane::bench::ProbedWindowEntries() {
  std::vector<std::string> entries;
  for (const kalvane::ShelfWindow& window : kalvane::WindowShelf())
    entries.emplace_back(window.item->name);
  return entries;
}
