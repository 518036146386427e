// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly module's C interface: the Go command, the reason for an "Error", the plain
// number of a result and the explanation of a count, on texts handed over from JavaScript, and
// the page's one window session, whose rules the page follows (web/go_command_api.js wraps it
// for the page and for node).
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "morvane/explain.h"
#include "morvane/explain_sentences.h"
#include "morvane/form_session.h"
#include "morvane/go_command.h"
#include "morvane/number_separators.h"

namespace {

// Stands between the sentences of a table handed over as one text; no sentence holds it.
constexpr char kSentenceSeparator = '\x1f';

// A copy of text in memory that JavaScript frees with free() once it has read it; the module
// keeps nothing between calls. Null only when memory is exhausted.
char* HandOver(const std::string& text) {
  auto* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (copy != nullptr) std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

morvane::NumberSeparators Separators(const char* decimal, std::size_t decimal_size,
                                     const char* thousands, std::size_t thousands_size) {
  return {std::string(decimal, decimal_size), std::string(thousands, thousands_size)};
}

// The table of sentences in the page's language, its entries joined by kSentenceSeparator in
// the order of EnglishSentences(); English when the text is empty or has another number of
// entries.
morvane::ExplainSentences Sentences(std::string_view joined) {
  morvane::ExplainSentences sentences;
  std::size_t count = 0;
  for (std::size_t at = 0; !joined.empty() && at <= joined.size(); ++count) {
    const std::size_t end = std::min(joined.find(kSentenceSeparator, at), joined.size());
    if (count == sentences.size()) return morvane::EnglishSentences();
    sentences[count] = joined.substr(at, end - at);
    at = end + 1;
  }
  return count == sentences.size() ? sentences : morvane::EnglishSentences();
}

// A text of the explanation, in the words of the sentences given, for texts handed over as
// the extern "C" functions below take them.
template <typename Explain>
char* Explained(Explain explain, const char* n, std::size_t n_size, const char* k,
                std::size_t k_size, const char* decimal, std::size_t decimal_size,
                const char* thousands, std::size_t thousands_size, const char* sentences,
                std::size_t sentences_size) {
  return HandOver(explain(std::string_view(n, n_size), std::string_view(k, k_size),
                          Separators(decimal, decimal_size, thousands, thousands_size),
                          Sentences(std::string_view(sentences, sentences_size))));
}

// The page's window session: one window, one session, for the module instance's life.
std::optional<morvane::form::Session>& PageSession() {
  static std::optional<morvane::form::Session> session;
  return session;
}

morvane::form::Session& StartedSession() {
  if (!PageSession()) PageSession().emplace(morvane::EnglishSentences());
  return *PageSession();
}

}  // namespace

extern "C" {

// The result text of the Go command for the N and K texts and the separators, each UTF-8 text
// given by its start and its length in bytes, so that no text is cut at a NUL.
char* morvane_go_command(const char* n, std::size_t n_size, const char* k, std::size_t k_size,
                         const char* decimal, std::size_t decimal_size, const char* thousands,
                         std::size_t thousands_size) {
  return HandOver(morvane::GoCommand(std::string_view(n, n_size), std::string_view(k, k_size),
                                     Separators(decimal, decimal_size, thousands, thousands_size)));
}

// The window's tooltip for the same texts, in the sentences given (empty: English): one line
// saying which step failed and why, or empty when the count succeeds.
char* morvane_failure_reason(const char* n, std::size_t n_size, const char* k, std::size_t k_size,
                             const char* decimal, std::size_t decimal_size, const char* thousands,
                             std::size_t thousands_size, const char* sentences,
                             std::size_t sentences_size) {
  return Explained([](auto... args) { return morvane::FailureReason(args...); }, n, n_size, k,
                   k_size, decimal, decimal_size, thousands, thousands_size, sentences,
                   sentences_size);
}

// Show Steps' text for the same texts, in the sentences given (empty: English): how N and K
// were read, every step, and the result.
char* morvane_explain_text(const char* n, std::size_t n_size, const char* k, std::size_t k_size,
                           const char* decimal, std::size_t decimal_size, const char* thousands,
                           std::size_t thousands_size, const char* sentences,
                           std::size_t sentences_size) {
  return Explained([](auto... args) { return morvane::ExplainText(args...); }, n, n_size, k, k_size,
                   decimal, decimal_size, thousands, thousands_size, sentences, sentences_size);
}

// The English sentences joined by kSentenceSeparator: the keys of the page's translations.
char* morvane_english_sentences() {
  std::string joined;
  for (const std::string& sentence : morvane::EnglishSentences()) {
    joined += sentence;
    joined += kSentenceSeparator;
  }
  joined.pop_back();
  return HandOver(joined);
}

// The result box's text without its leading space and separators, for copying; empty when the
// text is not a result (a plain number is never empty).
char* morvane_plain_number(const char* shown, std::size_t shown_size, const char* decimal,
                           std::size_t decimal_size, const char* thousands,
                           std::size_t thousands_size) {
  return HandOver(morvane::form::Session::PlainNumber(
                      std::string_view(shown, shown_size),
                      Separators(decimal, decimal_size, thousands, thousands_size))
                      .value_or(std::string()));
}

// Starts the page's session anew, with the explanation's sentences in the page's language
// (joined as morvane_failure_reason takes them; empty: English). Before it, the session speaks
// English.
void morvane_session_start(const char* sentences, std::size_t sentences_size) {
  PageSession().emplace(Sentences(std::string_view(sentences, sentences_size)));
}

// A Go of the session: the result box's text; its reason is morvane_session_reason's.
char* morvane_session_go(const char* n, std::size_t n_size, const char* k, std::size_t k_size,
                         const char* decimal, std::size_t decimal_size, const char* thousands,
                         std::size_t thousands_size) {
  return HandOver(StartedSession()
                      .Go(std::string(n, n_size), std::string(k, k_size),
                          Separators(decimal, decimal_size, thousands, thousands_size))
                      .box_text);
}

// The user typed into the result box.
void morvane_session_result_edited() {
  StartedSession().ResultEdited();
}

// The result box's tooltip now, "" when it has none.
char* morvane_session_reason() {
  return HandOver(StartedSession().Reason());
}

// Whether Show Steps is offered (1) or not (0).
int morvane_session_can_show_steps() {
  return StartedSession().CanShowSteps() ? 1 : 0;
}

// Show Steps' text: the explanation of the session's last Go; "" when there is none.
char* morvane_session_steps_text() {
  return HandOver(StartedSession().StepsText());
}

// Whether Copy Plain Number is offered (1) or not (0) for the text the result box holds.
int morvane_can_copy_plain_number(const char* shown, std::size_t shown_size, const char* decimal,
                                  std::size_t decimal_size, const char* thousands,
                                  std::size_t thousands_size) {
  return morvane::form::Session::CanCopyPlainNumber(
             std::string_view(shown, shown_size),
             Separators(decimal, decimal_size, thousands, thousands_size))
             ? 1
             : 0;
}

}  // extern "C"
