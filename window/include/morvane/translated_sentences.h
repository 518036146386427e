// SPDX-License-Identifier: GPL-3.0-or-later
// The explanation's sentences in the user's language: the English table's texts looked up
// among the installed translators, for the result box's tooltip and the Steps window.
#pragma once

#include "morvane/explain_sentences.h"

namespace morvane {

// Each sentence translated by the translators installed now, or the English one where none
// knows it; with no translator, EnglishSentences() itself.
ExplainSentences TranslatedSentences();

}  // namespace morvane
