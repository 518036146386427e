// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/plain_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "morvane/number_format.h"

namespace morvane {
namespace {

struct PlainCase {
  std::string shown;
  NumberSeparators separators;
  std::optional<std::string> expected;
};

TEST(PlainNumber, TakesOnlyNumbersGroupedAsTheResultBoxWritesThem) {
  const NumberSeparators comma{".", ","};
  const NumberSeparators narrow_space{",", "\u202F"};
  const NumberSeparators none{".", ""};
  const PlainCase cases[] = {
      {" 184,756", comma, "184756"},
      {" -1", comma, "-1"},
      {" 0", comma, "0"},
      {" 32\u202F247\u202F603\u202F683\u202F100", narrow_space, "32247603683100"},
      {" 1234567", none, "1234567"},
      {"Error", comma, std::nullopt},
      {"", comma, std::nullopt},
      {" ", comma, std::nullopt},
      {" -", comma, std::nullopt},
      {" 1,2,3", comma, std::nullopt},
      {" 12,34", comma, std::nullopt},
      {" 1234,567", comma, std::nullopt},
      {" 184,756,", comma, std::nullopt},
      {" ,184", comma, std::nullopt},
      {" 184 756", comma, std::nullopt},
      {" 184,756", narrow_space, std::nullopt},
      {" 7.875", comma, std::nullopt},
      {" 1,234", none, std::nullopt},
  };
  for (const auto& [shown, separators, expected] : cases) {
    EXPECT_EQ(PlainNumber(shown, separators), expected) << '"' << shown << '"';
  }
}

TEST(PlainNumber, ReadsBackEveryGroupingMigliaiaWrites) {
  const NumberSeparators separator_sets[] = {{".", ","}, {",", "."}, {",", "\u2019"}, {".", "--"}};
  const char* const counts[] = {
      "0", "7", "-7", "999", "1000", "-123456", "922337203685478", "100000000000000000000"};
  for (const NumberSeparators& separators : separator_sets) {
    for (const char* count : counts) {
      EXPECT_EQ(PlainNumber(" " + Migliaia(count, separators), separators), count)
          << count << " with " << separators.thousands;
    }
  }
}

}  // namespace
}  // namespace morvane
