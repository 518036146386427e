// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/console_stream.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>

#include "morvane/fd_stream.h"
#include "morvane/wide_text.h"

namespace morvane {

namespace {

// A console is a handle whose console mode can be read; files, pipes and NUL have none.
HANDLE Console(DWORD standard_handle) {
  const HANDLE handle = GetStdHandle(standard_handle);
  DWORD mode = 0;
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return nullptr;
  return GetConsoleMode(handle, &mode) ? handle : nullptr;
}

std::string LastErrorText() {
  return std::system_category().message(static_cast<int>(GetLastError()));
}

// Writes UTF-16. Every write of the program holds whole lines or messages, so each is
// converted on its own.
class ConsoleSink final : public ByteSink {
 public:
  explicit ConsoleSink(HANDLE console) : console_(console) {}

  void Write(std::string_view bytes) override {
    const std::wstring wide = WideFromUtf8(bytes);
    // Older consoles refuse a single write of more than some tens of kilobytes.
    constexpr std::size_t kPiece = 8192;
    for (std::size_t done = 0; done < wide.size();) {
      const auto piece = static_cast<DWORD>(std::min(kPiece, wide.size() - done));
      DWORD written = 0;
      if (WriteConsoleW(console_, wide.data() + done, piece, &written, nullptr) == 0 ||
          written == 0) {
        throw IoError("write error: " + LastErrorText(), false);
      }
      done += written;
    }
  }

 private:
  HANDLE console_;
};

// Reads typed lines as UTF-16 and hands them out as UTF-8.
class ConsoleSource final : public ByteSource {
 public:
  explicit ConsoleSource(HANDLE console) : console_(console) {}

  std::size_t Read(char* buffer, std::size_t capacity) override {
    while (given_ == text_.size() && !ended_) Fill();
    const std::size_t count = std::min(capacity, text_.size() - given_);
    std::memcpy(buffer, text_.data() + given_, count);
    given_ += count;
    return count;
  }

 private:
  void Fill() {
    std::array<wchar_t, 4096> typed{};
    // A character outside the BMP whose halves fell into two reads is converted whole.
    const std::size_t held = high_surrogate_ == 0 ? 0 : 1;
    typed[0] = high_surrogate_;
    high_surrogate_ = 0;
    DWORD got = 0;
    if (ReadConsoleW(console_, typed.data() + held, static_cast<DWORD>(typed.size() - held), &got,
                     nullptr) == 0) {
      throw IoError("read error: " + LastErrorText(), false);
    }
    std::wstring_view text(typed.data(), held + got);
    if (const std::size_t end = text.find(L'\x1a'); end != std::wstring_view::npos || got == 0) {
      text = text.substr(0, end);
      ended_ = true;
    } else if (IS_HIGH_SURROGATE(text.back())) {
      high_surrogate_ = text.back();
      text.remove_suffix(1);
    }
    text_ = Utf8FromWide(text);
    given_ = 0;
  }

  HANDLE console_;
  std::string text_;
  std::size_t given_ = 0;
  bool ended_ = false;
  wchar_t high_surrogate_ = 0;
};

}  // namespace

std::unique_ptr<ByteSink> StandardSink(int fd) {
  if (const HANDLE console = Console(fd == 2 ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE)) {
    return std::make_unique<ConsoleSink>(console);
  }
  return std::make_unique<FdSink>(fd);
}

std::unique_ptr<ByteSource> StandardSource() {
  if (const HANDLE console = Console(STD_INPUT_HANDLE)) {
    return std::make_unique<ConsoleSource>(console);
  }
  return std::make_unique<FdSource>(0);
}

}  // namespace morvane
