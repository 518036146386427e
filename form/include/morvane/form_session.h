// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of one session of the main window, the same in every front end: what Go writes,
// which Go the tooltip and Show Steps explain, and what the result box's menu offers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "morvane/explain_sentences.h"
#include "morvane/number_separators.h"

namespace morvane::form {

// What the result box and its tooltip show after a Go.
struct GoResult {
  std::string box_text;
  std::string reason;  // empty unless box_text is "Error"
};

// One window's session: a front end passes every Go and every edit of the result box through it
// and asks it what to show and offer; it keeps no widget state of its own.
class Session {
 public:
  // sentences: the explanation's sentences in the user's language.
  explicit Session(ExplainSentences sentences);

  // A Go: the N and K texts and the separators of this moment in; the result box's text
  // (GoCommand) and the tooltip's reason (FailureReason) out. With "." and ",": ("20", "10")
  // gives {" 184,756", ""}; ("49", "24") gives "Error" and "Step 24 of 24 computes the
  // product: ...".
  // It becomes the last Go, the one Show Steps explains, whatever the boxes hold later.
  GoResult Go(std::string n_text, std::string k_text, const NumberSeparators& separators);

  // The user typed into the result box: its text is no longer the last Go's, so the tooltip
  // goes and Show Steps has nothing to explain until the next Go.
  void ResultEdited();

  // The tooltip the result box shows now: the last Go's reason, "" after an edit or a count.
  const std::string& Reason() const { return reason_; }

  // The number the result box shows as other programs read it (morvane::PlainNumber):
  // " 184,756" gives "184756"; "Error", "" and text not grouped like a result ("1,2,3") nothing.
  static std::optional<std::string> PlainNumber(std::string_view box_text,
                                                const NumberSeparators& separators);

  // Copy Plain Number is offered exactly when PlainNumber reads the box's text.
  static bool CanCopyPlainNumber(std::string_view box_text, const NumberSeparators& separators);

  // Show Steps is offered once a Go was made, until the result box is typed into.
  bool CanShowSteps() const { return last_go_.has_value(); }

  // The explanation of the last Go (ExplainText of its texts with its separators), for the
  // Steps window, which an open window shows again after each Go; "" when CanShowSteps() is
  // false.
  std::string StepsText() const;

  // The reason line of StepsText (FailureReason of the last Go), the one line the Steps window
  // wraps; "" for a count and when CanShowSteps() is false.
  std::string StepsReason() const;

 private:
  struct LastGo {
    std::string n_text;
    std::string k_text;
    NumberSeparators separators;
  };

  ExplainSentences sentences_;
  std::optional<LastGo> last_go_;
  std::string reason_;
};

}  // namespace morvane::form
