// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/user_locale.h"
#include "separator_sets.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>

namespace morvane {
namespace {

struct LocaleCase {
  std::string name;
  NumberSeparators expected;
};

class SeparatorsOfLocale : public testing::TestWithParam<LocaleCase> {};

TEST_P(SeparatorsOfLocale, FromLocaleData) {
  EXPECT_EQ(SeparatorsForLocale(GetParam().name), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, SeparatorsOfLocale,
    testing::Values(LocaleCase{"", kPointComma}, LocaleCase{"C", kPointComma},
                    LocaleCase{"POSIX", kPointComma}, LocaleCase{"C.UTF-8", kPointComma},
                    LocaleCase{"POSIX.ISO-8859-1", kPointComma},
                    LocaleCase{"en_US.UTF-8", kPointComma}, LocaleCase{"it_IT", kCommaPoint},
                    LocaleCase{"it_IT.UTF-8", kCommaPoint}, LocaleCase{"de_DE.UTF-8", kCommaPoint},
                    LocaleCase{"de_DE.UTF-8@euro", kCommaPoint},
                    LocaleCase{"fr_FR", {",", "\u202F"}}, LocaleCase{"fr_FR@euro", {",", "\u202F"}},
                    LocaleCase{"de_CH", {".", "\u2019"}},
                    LocaleCase{"de_CH.UTF-8", {".", "\u2019"}}, LocaleCase{"xx_YY", kPointComma},
                    LocaleCase{"zz", kPointComma}, LocaleCase{"!!", kPointComma}));

// Sets the locale variables for one test and puts back what was there before.
class LocaleVariables {
 public:
  LocaleVariables(const char* lc_all, const char* lc_numeric, const char* lang,
                  const char* lc_messages = nullptr) {
    Set("LC_ALL", lc_all);
    Set("LC_NUMERIC", lc_numeric);
    Set("LANG", lang);
    Set("LC_MESSAGES", lc_messages);
  }
  ~LocaleVariables() {
    for (const Saved& saved : saved_) {
      if (saved.value) {
        setenv(saved.name, saved.value->c_str(), 1);
      } else {
        unsetenv(saved.name);
      }
    }
  }
  LocaleVariables(const LocaleVariables&) = delete;
  LocaleVariables& operator=(const LocaleVariables&) = delete;

 private:
  struct Saved {
    const char* name;
    std::optional<std::string> value;
  };

  void Set(const char* name, const char* value) {
    const char* old = std::getenv(name);
    saved_[count_++] = {name, old ? std::optional<std::string>(old) : std::nullopt};
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }

  std::array<Saved, 4> saved_;
  int count_ = 0;
};

// A name that the locale data does not know must not fall back to the machine's own locale.
TEST(SeparatorsOfUnknownLocale, IgnoreTheEnvironment) {
  const LocaleVariables variables("de_DE.UTF-8", "de_DE.UTF-8", "de_DE.UTF-8");
  EXPECT_EQ(SeparatorsForLocale("xx_YY"), kPointComma);
  EXPECT_EQ(SeparatorsForLocale(""), kPointComma);
}

struct EnvironmentCase {
  const char* lc_all;
  const char* lc_numeric;
  const char* lang;
  NumberSeparators expected;
  const char* lc_messages = nullptr;
};

class UserSeparatorsFrom : public testing::TestWithParam<EnvironmentCase> {};

TEST_P(UserSeparatorsFrom, FirstNonEmptyVariable) {
  const EnvironmentCase& c = GetParam();
  const LocaleVariables variables(c.lc_all, c.lc_numeric, c.lang, c.lc_messages);
  EXPECT_EQ(UserSeparators(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Precedence, UserSeparatorsFrom,
    testing::Values(EnvironmentCase{nullptr, nullptr, nullptr, kPointComma},
                    EnvironmentCase{"", "", "", kPointComma},
                    EnvironmentCase{nullptr, nullptr, "de_DE.UTF-8", kCommaPoint},
                    EnvironmentCase{nullptr, "fr_FR.UTF-8", "de_CH.UTF-8", {",", "\u202F"}},
                    EnvironmentCase{"de_CH.UTF-8", "fr_FR.UTF-8", "it_IT.UTF-8", {".", "\u2019"}},
                    EnvironmentCase{"", "", "it_IT.UTF-8", kCommaPoint},
                    EnvironmentCase{"", "de_CH", "it_IT", {".", "\u2019"}},
                    EnvironmentCase{"C", "it_IT", "it_IT", kPointComma},
                    EnvironmentCase{"POSIX", nullptr, "de_DE", kPointComma},
                    EnvironmentCase{nullptr, "C.UTF-8", "it_IT", kPointComma},
                    EnvironmentCase{nullptr, nullptr, "it_IT", kCommaPoint, "de_CH"}));

struct MessagesCase {
  const char* lc_all;
  const char* lc_messages;
  const char* lc_numeric;
  const char* lang;
  const char* expected;
};

class MessagesLocaleFrom : public testing::TestWithParam<MessagesCase> {};

TEST_P(MessagesLocaleFrom, FirstNonEmptyVariable) {
  const MessagesCase& c = GetParam();
  const LocaleVariables variables(c.lc_all, c.lc_numeric, c.lang, c.lc_messages);
  EXPECT_EQ(UserLocaleName("LC_MESSAGES"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Precedence, MessagesLocaleFrom,
                         testing::Values(MessagesCase{nullptr, nullptr, nullptr, nullptr, ""},
                                         MessagesCase{nullptr, "de_DE.UTF-8", "fr_FR.UTF-8",
                                                      "it_IT.UTF-8", "de_DE.UTF-8"},
                                         MessagesCase{"", "", "fr_FR.UTF-8", "it_IT.UTF-8",
                                                      "it_IT.UTF-8"},
                                         MessagesCase{"C", "de_DE", nullptr, "it_IT", "C"}));

}  // namespace
}  // namespace morvane
