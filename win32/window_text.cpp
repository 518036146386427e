// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_text.h"

#include "morvane/wide_text.h"

namespace morvane::win32 {

std::string TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Utf8FromWide(text);
}

std::wstring LoadedString(HINSTANCE instance, int id) {
  // With a zero length LoadStringW points at the resource itself, which is not terminated.
  const wchar_t* text = nullptr;
  const int length =
      LoadStringW(instance, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
  return {text, static_cast<std::size_t>(length > 0 ? length : 0)};
}

ExplainSentences LoadedSentences(HINSTANCE instance) {
  ExplainSentences sentences = EnglishSentences();
  for (std::size_t i = 0; i < sentences.size(); ++i) {
    const std::wstring text = LoadedString(instance, kFirstSentence + static_cast<int>(i));
    if (!text.empty()) sentences[i] = Utf8FromWide(text);
  }
  return sentences;
}

}  // namespace morvane::win32
