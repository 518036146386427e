// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/form_session.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "morvane/explain.h"
#include "morvane/form_layout.h"
#include "morvane/form_placement.h"

namespace morvane::form {
namespace {

const NumberSeparators kEnglish{".", ","};
const NumberSeparators kItalian{",", "."};
const NumberSeparators kFrench{",", "\u202F"};
const NumberSeparators kSwiss{".", "\u2019"};

// One thing the user does: a Go with the boxes' texts and the separators of that moment, or
// typing text into the result box.
struct Step {
  bool go;
  std::string n_text;  // for a Go
  std::string k_text;
  const NumberSeparators* separators;
  std::string box;  // the result box's text after the step: Go's result, or what was typed
  int explained;    // the step whose Go the tooltip and Show Steps explain now; -1 for none
  bool copy_offered;
};

Step Go(std::string n, std::string k, const NumberSeparators& separators, std::string box,
        int explained, bool copy_offered) {
  return {true, std::move(n), std::move(k), &separators, std::move(box), explained, copy_offered};
}

Step Type(std::string box, const NumberSeparators& separators, bool copy_offered) {
  return {false, {}, {}, &separators, std::move(box), -1, copy_offered};
}

struct SessionCase {
  const char* name;
  std::vector<Step> steps;
};

// Every sentence marked, so that a reason or an explanation written in English instead of the
// session's sentences shows.
ExplainSentences Marked() {
  ExplainSentences sentences = EnglishSentences();
  for (std::string& sentence : sentences) sentence.insert(0, "~");
  return sentences;
}

TEST(Session, ExplainsTheLastGoUntilTheResultBoxIsTypedInto) {
  const SessionCase sessions[] = {
      {"counts and an Error, each explained in turn",
       {Go("20", "10", kEnglish, " 184,756", 0, true), Go("49", "24", kEnglish, "Error", 1, false),
        Go("48", "24", kEnglish, " 32,247,603,683,100", 2, true)}},
      {"typing over an Error takes its reason and its steps away",
       {Go("49", "24", kEnglish, "Error", 0, false), Type("Error1", kEnglish, false),
        Go("49", "24", kEnglish, "Error", 2, false)}},
      {"a typed number is copied but not explained",
       {Go("20", "10", kEnglish, " 184,756", 0, true), Type(" 184,757", kEnglish, true),
        Type(" 184,7", kEnglish, false)}},
      {"before any Go: nothing to explain, typed text not grouped like a result not copied",
       {Type(" 1,2,3", kEnglish, false), Type(" 1234,567", kEnglish, false),
        Type(" 184.756", kEnglish, false), Type(" 184.756", kItalian, true)}},
      {"each Go with the separators of its moment",
       {Go("20", "10", kItalian, " 184.756", 0, true), Go("5", "2,5", kItalian, " 10", 1, true),
        Go("5", "2.5", kFrench, " 8", 2, true),
        Go("48", "24", kFrench, " 32\u202F247\u202F603\u202F683\u202F100", 3, true),
        Go("48", "24", kSwiss, " 32\u2019247\u2019603\u2019683\u2019100", 4, true),
        Go("1e400", "2", kSwiss, "Error", 5, false)}},
      {"odd texts",
       {Go("", "", kEnglish, " 1", 0, true), Go("abc", "2", kEnglish, " 0", 1, true),
        Go("-1", "3", kEnglish, " -1", 2, true)}},
  };
  const ExplainSentences sentences = Marked();
  for (const auto& [name, steps] : sessions) {
    Session session(sentences);
    for (std::size_t i = 0; i < steps.size(); ++i) {
      const Step& step = steps[i];
      SCOPED_TRACE(testing::Message() << name << ", step " << i);
      if (step.go) {
        const GoResult result = session.Go(step.n_text, step.k_text, *step.separators);
        EXPECT_EQ(result.box_text, step.box);
        EXPECT_EQ(result.reason.empty(), step.box != "Error");
        EXPECT_EQ(session.Reason(), result.reason);
      } else {
        session.ResultEdited();
      }
      EXPECT_EQ(session.CanShowSteps(), step.explained >= 0);
      if (step.explained >= 0) {
        const Step& go = steps[static_cast<std::size_t>(step.explained)];
        EXPECT_EQ(session.StepsText(),
                  ExplainText(go.n_text, go.k_text, *go.separators, sentences));
        const std::string reason = FailureReason(go.n_text, go.k_text, *go.separators, sentences);
        EXPECT_EQ(session.StepsReason(), reason);
        EXPECT_EQ(session.Reason(), reason);
      } else {
        EXPECT_EQ(session.StepsText(), "");
        EXPECT_EQ(session.StepsReason(), "");
        EXPECT_EQ(session.Reason(), "");
      }
      EXPECT_EQ(Session::CanCopyPlainNumber(step.box, *step.separators), step.copy_offered);
      EXPECT_EQ(Session::PlainNumber(step.box, *step.separators).has_value(), step.copy_offered);
    }
  }
}

struct PlaceCase {
  const char* name;
  Rect main_frame;  // {0, 0, 386, 208}: centred on the screen
  Rect screen;
  Size wanted;
  Rect expected;
};

TEST(PlaceBeside, PutsTheStepsWindowBesideTheMainWindowOnTheScreen) {
  const PlaceCase cases[] = {
      {"whole, to the right", {}, {0, 0, 1920, 1080}, {660, 560}, {1161, 436, 660, 560}},
      {"rows whole below, not cut on the right",
       {},
       {0, 0, 1280, 800},
       {660, 560},
       {447, 512, 660, 288}},
      {"wider than the screen: most shown", {}, {0, 0, 800, 600}, {900, 100}, {0, 412, 800, 100}},
      {"to the left, the gap away",
       {1400, 100, 386, 208},
       {0, 0, 1920, 1080},
       {660, 560},
       {732, 100, 660, 560}},
      {"raised to end at the screen's bottom",
       {100, 800, 386, 208},
       {0, 0, 1920, 1080},
       {660, 560},
       {494, 520, 660, 560}},
      {"above, on a screen not at the origin",
       {1300, 1500, 386, 208},
       {1280, 1000, 800, 800},
       {500, 300},
       {1300, 1192, 500, 300}},
      {"no room on any side: over it", {}, {0, 0, 390, 210}, {660, 560}, {0, 0, 390, 210}},
  };
  for (const auto& [name, given, screen, wanted, expected] : cases) {
    Rect main_frame = given;
    if (main_frame.width == 0) {
      main_frame = {screen.left + (screen.width - 386) / 2, screen.top + (screen.height - 208) / 2,
                    386, 208};
    }
    EXPECT_EQ(PlaceBeside(main_frame, wanted, screen), expected) << name;
  }
}

TEST(Pixels, RoundsHalvesAwayFromZeroAsMulDiv) {
  struct PixelsCase {
    int twips;
    int dpi;
    int expected;
  };
  const PixelsCase cases[] = {{3003, 96, 200},  {3000, 192, 400},        {3003, 120, 250},
                              {1230, 120, 103}, {-1230, 120, -103},      {1, 96, 0},
                              {8, 96, 1},       {kClientWidth, 144, 576}};
  for (const auto& [twips, dpi, expected] : cases) {
    EXPECT_EQ(Pixels(twips, dpi), expected) << twips << " twips at " << dpi << " dpi";
  }
}

}  // namespace
}  // namespace morvane::form
