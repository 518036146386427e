// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/form_session.h"

#include <utility>

#include "morvane/explain.h"
#include "morvane/go_command.h"
#include "morvane/plain_number.h"

namespace morvane::form {

Session::Session(ExplainSentences sentences) : sentences_(std::move(sentences)) {}

GoResult Session::Go(std::string n_text, std::string k_text, const NumberSeparators& separators) {
  GoResult result{GoCommand(n_text, k_text, separators),
                  FailureReason(n_text, k_text, separators, sentences_)};
  reason_ = result.reason;
  last_go_.emplace(LastGo{std::move(n_text), std::move(k_text), separators});
  return result;
}

void Session::ResultEdited() {
  reason_.clear();
  last_go_.reset();
}

std::optional<std::string> Session::PlainNumber(std::string_view box_text,
                                                const NumberSeparators& separators) {
  return morvane::PlainNumber(box_text, separators);
}

bool Session::CanCopyPlainNumber(std::string_view box_text, const NumberSeparators& separators) {
  return PlainNumber(box_text, separators).has_value();
}

std::string Session::StepsText() const {
  if (!last_go_) return {};
  return ExplainText(last_go_->n_text, last_go_->k_text, last_go_->separators, sentences_);
}

std::string Session::StepsReason() const {
  if (!last_go_) return {};
  return FailureReason(last_go_->n_text, last_go_->k_text, last_go_->separators, sentences_);
}

}  // namespace morvane::form
