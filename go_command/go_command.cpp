// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/go_command.h"

#include "morvane/binomiale.h"
#include "morvane/number_format.h"
#include "morvane/run_time_error.h"
#include "morvane/val.h"

namespace morvane {

Currency CountFromTexts(std::string_view n_text, std::string_view k_text) {
  const Currency n = Currency::FromDouble(Val(n_text));
  const Currency k = Currency::FromDouble(Val(k_text));
  return Binomiale(n, k);
}

std::string ResultText(Currency count, const NumberSeparators& separators) {
  std::string text = " ";
  text += Migliaia(GeneralFormat(count, separators), separators);
  return text;
}

std::string GoCommand(std::string_view n_text, std::string_view k_text,
                      const NumberSeparators& separators) {
  // One trap covers the whole command, the reading of N and K included: an N or K too large
  // for a currency value shows "Error" like any other failure instead of escaping the click.
  try {
    return ResultText(CountFromTexts(n_text, k_text), separators);
  } catch (const RunTimeError&) {
    return "Error";
  }
}

std::string RawCountText(std::string_view n_text, std::string_view k_text,
                         const NumberSeparators& separators) {
  try {
    return GeneralFormat(CountFromTexts(n_text, k_text), separators);
  } catch (const RunTimeError&) {
    return "Error";
  }
}

}  // namespace morvane
