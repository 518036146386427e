// SPDX-License-Identifier: GPL-3.0-or-later
// morvane-cli as built, run as a separate process on a large input through real files: the
// descriptors, the blocks computed on every core and their ordering all take part.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "morvane/cli_run.h"
#include "morvane/go_command.h"

namespace morvane {
namespace {

const NumberSeparators kCommaGroups{.decimal = ".", .thousands = ","};

std::string RandomBytes(std::size_t size) {
  constexpr std::uint64_t kRandomStart = 0x6d6f7276616e65;
  std::mt19937_64 random(kRandomStart);
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; i += sizeof(std::uint64_t)) {
    const std::uint64_t bits = random();
    std::memcpy(bytes.data() + i, &bits, std::min(sizeof bits, size - i));
  }
  return bytes;
}

struct Expected {
  std::string output;
  std::string errors;
};

// What the manual page promises, line by line: split at "\n" (bytes after the last one are a line
// too), one "\r" before it dropped, N and K split at the first tab; a line without a tab gets an
// empty output line and a numbered report.
Expected ExpectedRun(std::string_view input) {
  Expected expected;
  std::uint64_t number = 0;
  while (!input.empty()) {
    const std::size_t end = std::min(input.find('\n'), input.size());
    std::string_view line = input.substr(0, end);
    input.remove_prefix(std::min(end + 1, input.size()));
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (const std::size_t tab = line.find('\t'); tab != std::string_view::npos) {
      expected.output += GoCommand(line.substr(0, tab), line.substr(tab + 1), kCommaGroups);
    } else {
      expected.errors +=
          "morvane-cli: line " + std::to_string(number) + ": expected N and K separated by a tab\n";
    }
    expected.output += '\n';
  }
  return expected;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Where two texts first differ, line by line, for a readable failure on megabytes of output.
std::string FirstDifference(std::string_view want, std::string_view got) {
  const auto [want_end, got_end] = std::mismatch(want.begin(), want.end(), got.begin(), got.end());
  if (want_end == want.end() && got_end == got.end()) return "";
  const auto at = static_cast<std::size_t>(want_end - want.begin());
  const std::size_t line_start = want.substr(0, at).rfind('\n') + 1;  // npos + 1 is 0
  const auto line_at = [line_start](std::string_view text) {
    const std::string_view rest = text.substr(std::min(line_start, text.size()));
    return std::string(rest.substr(0, std::min(rest.find('\n'), std::size_t{80})));
  };
  return "line " + std::to_string(std::count(want.begin(), want.begin() + line_start, '\n') + 1) +
         ": expected \"" + line_at(want) + "\", got \"" + line_at(got) + "\"";
}

// Ten megabytes of random bytes: about 40,000 lines of any bytes, NUL and invalid UTF-8
// included, about half of them without a tab. Every line is answered, in order, and exactly the
// lines without a tab are reported.
TEST(CliProgramTest, RandomBytesAreAnsweredLineByLine) {
  const std::string input = RandomBytes(std::size_t{10} << 20);
  const Expected expected = ExpectedRun(input);
  ASSERT_FALSE(expected.errors.empty());

  const std::filesystem::path stem = std::filesystem::path(testing::TempDir()) /
                                     ("morvane_cli_random_" + std::to_string(::getpid()));
  const std::filesystem::path in = stem.string() + ".in";
  const std::filesystem::path out = stem.string() + ".out";
  const std::filesystem::path err = stem.string() + ".err";
  std::ofstream(in, std::ios::binary) << input;
  const std::string command = "LC_ALL=C '" MORVANE_CLI_PATH "' <'" + in.string() + "' >'" +
                              out.string() + "' 2>'" + err.string() + "'";
  const int status = std::system(command.c_str());
  const std::string output = ReadFile(out);
  const std::string errors = ReadFile(err);
  for (const auto& path : {in, out, err}) std::filesystem::remove(path);

  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), kExitBadInput);
  EXPECT_EQ(std::count(output.begin(), output.end(), '\n'),
            std::count(expected.output.begin(), expected.output.end(), '\n'));
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'),
            std::count(expected.errors.begin(), expected.errors.end(), '\n'));
  EXPECT_EQ(FirstDifference(expected.output, output), "") << "standard output";
  EXPECT_EQ(FirstDifference(expected.errors, errors), "") << "standard error";
}

}  // namespace
}  // namespace morvane
