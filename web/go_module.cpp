// The WebAssembly module's C interface: the Go command on texts handed over from JavaScript
// (web/go_command_api.js wraps it for the page and for node).
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "morvane/go_command.h"
#include "morvane/number_separators.h"

namespace {

// A copy of text in memory that JavaScript frees with free() once it has read it; the module
// keeps nothing between calls. Null only when memory is exhausted.
char* HandOver(const std::string& text) {
  auto* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (copy != nullptr) std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

}  // namespace

extern "C" {

// The result text of the Go command for the N and K texts and the separators, each UTF-8 text
// given by its start and its length in bytes, so that no text is cut at a NUL.
char* morvane_go_command(const char* n, std::size_t n_size, const char* k, std::size_t k_size,
                         const char* decimal, std::size_t decimal_size, const char* thousands,
                         std::size_t thousands_size) {
  const morvane::NumberSeparators separators{std::string(decimal, decimal_size),
                                             std::string(thousands, thousands_size)};
  return HandOver(
      morvane::GoCommand(std::string_view(n, n_size), std::string_view(k, k_size), separators));
}

}  // extern "C"
