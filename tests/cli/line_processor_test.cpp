// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/line_processor.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "test_streams.h"

namespace morvane {
namespace {

using namespace std::string_literals;
using testing_streams::FailingSink;
using testing_streams::StringSink;
using testing_streams::StringSource;

// Shows exactly which N and K texts the line reader handed over.
void Echo(std::string_view n_text, std::string_view k_text, std::string& out) {
  out += "<";
  out += n_text;
  out += "|";
  out += k_text;
  out += ">";
}

std::string NoTab(int line) {
  return "morvane-cli: line " + std::to_string(line) + ": expected N and K separated by a tab\n";
}

struct LinesCase {
  const char* name;
  std::string input;
  std::string output;
  std::string errors;
  LineReport report;
};

// Every case runs with several read sizes, so lines, CR-LF pairs and tabs also fall across
// the boundaries between reads, and on one thread and on several.
class ProcessLinesTest : public testing::TestWithParam<LinesCase> {};

TEST_P(ProcessLinesTest, WritesOneLinePerInputLine) {
  const LinesCase& c = GetParam();
  for (const unsigned threads : {1U, 3U}) {
    for (const std::size_t chunk :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, std::string::npos}) {
      SCOPED_TRACE(std::to_string(threads) + " threads, read size " + std::to_string(chunk));
      StringSource input(c.input, chunk);
      StringSink output;
      StringSink errors;
      EXPECT_EQ(ProcessLines(input, output, errors, Echo, {.threads = threads}), c.report);
      EXPECT_EQ(output.text(), c.output);
      EXPECT_EQ(errors.text(), c.errors);
    }
  }
}

// The reports and the output interleave as the lines do, when both go to one place.
TEST(ProcessLinesOrderTest, ReportsStandBeforeTheirEmptyLines) {
  for (const unsigned threads : {1U, 3U}) {
    StringSource input("1\t2\nx\n3\t4\ny\n");
    StringSink both;
    EXPECT_EQ(ProcessLines(input, both, both, Echo, {.threads = threads}), (LineReport{4, 2}));
    EXPECT_EQ(both.text(), "<1|2>\n" + NoTab(2) + "\n<3|4>\n" + NoTab(4) + "\n");
  }
}

// A check's complaints go out with their line numbers, between the lines they belong to, and a
// rejected line reaches no handler, wherever the reads and the blocks end.
TEST(ProcessLinesOrderTest, ComplaintsStandBeforeTheirEmptyLines) {
  const LineCheck no_x = [](std::string_view n_text, std::string_view k_text,
                            std::string& complaints) {
    if (n_text == "x") complaints += "N is x\n";
    if (k_text == "x") complaints += "K is x\n";
  };
  for (const unsigned threads : {1U, 3U}) {
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{5}, std::string::npos}) {
      StringSource input("1\t2\nx\tx\r\ny\n3\tx", chunk);
      StringSink both;
      EXPECT_EQ(ProcessLines(input, both, both, Echo, {.threads = threads, .check = no_x}),
                (LineReport{4, 1, 2}));
      EXPECT_EQ(both.text(), "<1|2>\nmorvane-cli: line 2: N is x\nmorvane-cli: line 2: K is x\n\n" +
                                 NoTab(3) + "\nmorvane-cli: line 4: K is x\n\n");
    }
  }
}

const std::vector<LinesCase> kLinesCases = {
    {"EmptyInput", "", "", "", {0, 0}},
    {"OneLine", "20\t10\n", "<20|10>\n", "", {1, 0}},
    {"LastLineWithoutNewline", "1\t2\n20\t10", "<1|2>\n<20|10>\n", "", {2, 0}},
    {"OnlyANewlineIsOneEmptyLine", "\n", "\n", NoTab(1), {1, 1}},
    {"EmptyLastLineIsStillALine", "1\t2\n\n", "<1|2>\n\n", NoTab(2), {2, 1}},
    {"CrLf", "1\t2\r\n3\t4\r\n5\t6\r", "<1|2>\n<3|4>\n<5|6>\n", "", {3, 0}},
    {"OnlyOneCarriageReturnDropped", "1\t2\r\r\n", "<1|2\r>\n", "", {1, 0}},
    {"InnerCarriageReturnKept", "1\r\t2\n", "<1\r|2>\n", "", {1, 0}},
    {"LoneCarriageReturnLineHasNoTab", "1\t2\n\r", "<1|2>\n\n", NoTab(2), {2, 1}},
    {"MissingTab", "1\t2\nabc\n3\t4\n", "<1|2>\n\n<3|4>\n", NoTab(2), {3, 1}},
    {"SpacesAreNoTab", "20 10\n", "\n", NoTab(1), {1, 1}},
    {"EmptyLines", "\n\n1\t2\n\r\n", "\n\n<1|2>\n\n", NoTab(1) + NoTab(2) + NoTab(4), {4, 3}},
    {"FurtherTabsBelongToK", "1\t2\t3\n", "<1|2\t3>\n", "", {1, 0}},
    {"EmptyN", "\t5\n", "<|5>\n", "", {1, 0}},
    {"EmptyK", "5\t\n", "<5|>\n", "", {1, 0}},
    {"TabAlone", "\t", "<|>\n", "", {1, 0}},
    {"NulBytes", "1\0\t\0 2\n\0\n"s, "<1\0|\0 2>\n\n"s, NoTab(2), {2, 1}},
    {"InvalidUtf8",
     "\xff\xfe\t\xc3\n\x80\t\xed\xa0\x80",
     "<\xff\xfe|\xc3>\n<\x80|\xed\xa0\x80>\n",
     "",
     {2, 0}},
};

INSTANTIATE_TEST_SUITE_P(Table, ProcessLinesTest, testing::ValuesIn(kLinesCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Reports the sizes and ends of the texts, which stand in for megabytes of content.
void Measure(std::string_view n_text, std::string_view k_text, std::string& out) {
  out += std::to_string(n_text.size()) + ":" + std::to_string(k_text.size());
  if (!n_text.empty()) out += n_text.front() + std::string(1, n_text.back());
}

// Thread counts and read sizes for the long-line tests: reads that end inside a line and whole
// reads, on the calling thread and on two.
constexpr std::pair<unsigned, std::size_t> kLongLinePlans[] = {{1U, std::size_t{4096} + 3},
                                                               {1U, std::string::npos},
                                                               {2U, std::size_t{4096} + 3},
                                                               {2U, std::string::npos}};

TEST(ProcessLinesLongTest, HandsOverLinesOfMegabytes) {
  const std::size_t kLong = std::size_t{9} << 20;
  const std::string long_n = "a" + std::string(kLong - 2, 'x') + "z";
  const std::string input =
      long_n + "\t7\r\n" + "1\t2\n" + std::string(kLong, '5') + "\n" + "3\t" + long_n;
  for (const auto& [threads, chunk] : kLongLinePlans) {
    SCOPED_TRACE(std::to_string(threads) + " threads, read size " + std::to_string(chunk));
    StringSource source(input, chunk);
    StringSink output;
    StringSink errors;
    const LineReport report = ProcessLines(source, output, errors, Measure, {.threads = threads});
    EXPECT_EQ(output.text(),
              std::to_string(kLong) + ":1az\n1:111\n\n1:" + std::to_string(kLong) + "33\n");
    EXPECT_EQ(errors.text(), NoTab(3));
    EXPECT_EQ(report, (LineReport{4, 1}));
  }
}

// With a field limit, long lines are kept only as far as their fields are cut, whatever the
// read size; a "\r" inside K survives the cut that ends the line with another one.
TEST(ProcessLinesLongTest, CutsFieldsOfLongLines) {
  const std::size_t kLong = std::size_t{9} << 20;
  const std::string long_n = "a" + std::string(kLong - 2, 'x') + "z";
  const std::string input = long_n + "\t7\r\n" + "1\t2\n" + std::string(kLong, '5') + "\n" +
                            "\tabc\r" + std::string(kLong, 'y') + "\r\n" + "3\t" + long_n;
  for (const auto& [threads, chunk] : kLongLinePlans) {
    SCOPED_TRACE(std::to_string(threads) + " threads, read size " + std::to_string(chunk));
    StringSource source(input, chunk);
    StringSink output;
    StringSink errors;
    const LineReport report =
        ProcessLines(source, output, errors, Measure, {.threads = threads, .field_limit = 3});
    EXPECT_EQ(output.text(), "4:1ax\n1:111\n\n0:4\n1:433\n");
    EXPECT_EQ(errors.text(), NoTab(3));
    EXPECT_EQ(report, (LineReport{5, 1}));
  }
}

// Many lines: every answer in order, the line numbers of the reports still right, and the
// output handed over in large blocks rather than line by line.
TEST(ProcessLinesManyTest, KeepsOrderAndCountsAcrossBlocks) {
  constexpr int kLines = 300'000;
  constexpr int kBadLine = 250'001;
  std::string input;
  std::string expected;
  for (int line = 1; line <= kLines; ++line) {
    const std::string n = std::to_string(line);
    const std::string k = std::to_string(line % 31);
    if (line == kBadLine) {
      input.append(n).append(" ").append(k).append("\n");
      expected += "\n";
    } else {
      input.append(n).append("\t").append(k).append("\n");
      expected.append("<").append(n).append("|").append(k).append(">\n");
    }
  }
  for (const unsigned threads : {1U, 2U, 5U}) {
    SCOPED_TRACE(std::to_string(threads) + " threads");
    StringSource source(input);
    StringSink output;
    StringSink errors;
    EXPECT_EQ(ProcessLines(source, output, errors, Echo, {.threads = threads}),
              (LineReport{kLines, 1}));
    EXPECT_EQ(output.text(), expected);
    EXPECT_EQ(errors.text(), NoTab(kBadLine));
    EXPECT_LT(output.writes(), kLines / 1000);
  }
}

TEST(ProcessLinesFlushTest, TerminalGetsEveryLineAtOnce) {
  StringSource source("1\t2\n3\t4\n5\t6\n");
  StringSink output;
  StringSink errors;
  // A terminal is answered line by line even where several threads were offered.
  ProcessLines(source, output, errors, Echo, {.flush_each_line = true, .threads = 4});
  EXPECT_EQ(output.text(), "<1|2>\n<3|4>\n<5|6>\n");
  EXPECT_EQ(output.writes(), 3);
}

// A program that drives the reader through pipes writes a line and waits for its answer
// before writing the next: each answer must be out before the reader waits for more input.
TEST(ProcessLinesFlushTest, AnswersAreOutBeforeWaitingForInput) {
  static constexpr std::string_view kAnswers = "<0|0>\n<1|1>\n<2|2>\n";
  class Conversation final : public ByteSource {
   public:
    explicit Conversation(const StringSink& output) : output_(output) {}

    std::size_t Read(char* buffer, std::size_t /*capacity*/) override {
      const std::string expected_so_far = std::string(kAnswers).substr(0, std::size_t{6} * turn_);
      EXPECT_EQ(output_.text(), expected_so_far) << "before turn " << turn_;
      if (turn_ == 3) return 0;
      const std::string line = std::to_string(turn_) + "\t" + std::to_string(turn_) + "\n";
      line.copy(buffer, line.size());
      ++turn_;
      return line.size();
    }

   private:
    const StringSink& output_;
    std::size_t turn_ = 0;
  };

  for (const unsigned threads : {1U, 2U}) {
    StringSink output;
    StringSink errors;
    Conversation input(output);
    EXPECT_EQ(ProcessLines(input, output, errors, Echo, {.threads = threads}), (LineReport{3, 0}));
  }
}

// The first failed write ends the run; with several threads, at most the blocks already
// being translated have been read beyond it.
TEST(ProcessLinesFailureTest, WriteFailureEndsTheRun) {
  std::string input;
  for (int line = 0; line < 100'000; ++line) input += "20\t10\n";
  for (const unsigned threads : {1U, 2U}) {
    StringSource source(input);
    FailingSink output(true);
    StringSink errors;
    EXPECT_THROW(ProcessLines(source, output, errors, Echo, {.threads = threads}), IoError);
    EXPECT_EQ(output.writes(), 1);
    EXPECT_LE(source.reads(), static_cast<int>(threads) + 1);
    EXPECT_EQ(errors.text(), "");
  }
}

}  // namespace
}  // namespace morvane
