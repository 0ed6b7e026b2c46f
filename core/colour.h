// A 24-bit RGB colour as the program stores it, 0x00BBGGRR, and the one
// function that builds it from components. It knows nothing of how a colour
// is painted.
#pragma once

#include <cstdint>

namespace kalvane {

struct Colour {
  std::uint32_t value = 0;  // 0x00BBGGRR

  constexpr int Red() const { return static_cast<int>(value & 0xFFu); }
  constexpr int Green() const { return static_cast<int>((value >> 8) & 0xFFu); }
  constexpr int Blue() const { return static_cast<int>((value >> 16) & 0xFFu); }

  friend constexpr bool operator==(Colour, Colour) = default;
};

namespace colour_detail {
constexpr std::uint32_t Component(int c) {
  return c > 255 ? 255u : c < 0 ? 0u : static_cast<std::uint32_t>(c);
}
}  // namespace colour_detail

// Components above 255 count as 255, so Rgb(300, 10, 2) is Rgb(255, 10, 2).
// A negative component counts as 0 and never spills into its neighbours.
constexpr Colour Rgb(int r, int g, int b) {
  using colour_detail::Component;
  return Colour{Component(r) | (Component(g) << 8) | (Component(b) << 16)};
}

}  // namespace kalvane
