// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/translated_sentences.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QString>

#include <string>

namespace morvane {

ExplainSentences TranslatedSentences() {
  ExplainSentences sentences = EnglishSentences();
  for (std::string& sentence : sentences) {
    sentence = QCoreApplication::translate("morvane::Explanation", sentence.c_str()).toStdString();
  }
  return sentences;
}

}  // namespace morvane
