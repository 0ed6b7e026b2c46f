// What the fuzz targets share: the entry point's signature and a check that
// reports a broken property and aborts, which libFuzzer and the corpus replay
// both record as a failure. Not a test framework: no counting, no recovery.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace kalvane::fuzz {

// Prints what failed, with the texts involved, and aborts.
[[noreturn]] inline void Fail(const char* file, int line, const char* what, std::string_view a,
                              std::string_view b) {
  std::fprintf(stderr, "%s:%d: property broken: %s\n  [%.*s]\n  [%.*s]\n", file, line, what,
               static_cast<int>(a.size()), a.data(), static_cast<int>(b.size()), b.data());
  std::abort();
}

}  // namespace kalvane::fuzz

// FUZZ_CHECK(condition, text1, text2): the two texts are printed on failure.
#define FUZZ_CHECK(condition, a, b)                                    \
  do {                                                                 \
    if (!(condition))                                                  \
      ::kalvane::fuzz::Fail(__FILE__, __LINE__, #condition, (a), (b)); \
  } while (false)
