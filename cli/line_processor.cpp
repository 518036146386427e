// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/line_processor.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <future>
#include <system_error>
#include <utility>
#include <vector>

#include "morvane/cli_options.h"

namespace morvane {

namespace {

constexpr std::size_t kReadChunk = std::size_t{64} << 10;
// Output is handed to the sink once this much has gathered.
constexpr std::size_t kWriteChunk = std::size_t{64} << 10;
// A block computed on another thread holds at most this many lines, so that its results and
// reports stay small however short the lines are.
constexpr std::uint64_t kBlockLines = 8192;
// Each block in flight holds its text and its results; more threads would mostly add memory.
constexpr unsigned kMaxThreads = 8;
// The start of a line that has not ended yet is cut down to its fields once it is this long.
constexpr std::size_t kCutLineAt = std::size_t{64} << 10;

// What is done with every line.
struct LineWork {
  const LineHandler& handler;
  const LineCheck& check;
  std::size_t field_limit;

  // The bytes of a field that the check and the handler see.
  std::string_view Field(std::string_view text) const {
    return field_limit == std::string::npos ? text : text.substr(0, field_limit + 1);
  }
};

// Cuts the start of a line that is still being read to what Field keeps of its N and, after
// the first tab, of its K. Cutting again later, after more of the line has come, gives the same
// fields as cutting the whole line once. A last "\r" stays, since it may be the one that the
// end of the line drops.
void CutLongFields(std::string& line, const LineWork& work) {
  const bool carriage_return = line.ends_with('\r');
  if (carriage_return) line.pop_back();
  const std::size_t tab = line.find('\t');
  std::string cut(work.Field(std::string_view(line).substr(0, tab)));
  if (tab != std::string::npos) {
    cut.push_back('\t');
    cut += work.Field(std::string_view(line).substr(tab + 1));
  }
  if (carriage_return) cut.push_back('\r');
  line = std::move(cut);
}

// The output for a run of consecutive lines, with the lines that were reported, so that it can
// be computed on one thread and written on another in input order.
class Translation {
 public:
  explicit Translation(std::uint64_t first_line) : next_line_(first_line) {}

  void Line(std::string_view line, const LineWork& work) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
      reports_.push_back({next_line_, output_.size(), complaints_.size(), complaints_.size()});
    } else {
      const std::string_view n_text = work.Field(line.substr(0, tab));
      const std::string_view k_text = work.Field(line.substr(tab + 1));
      const std::size_t complaints_begin = complaints_.size();
      if (work.check) work.check(n_text, k_text, complaints_);
      if (complaints_.size() != complaints_begin) {
        reports_.push_back({next_line_, output_.size(), complaints_begin, complaints_.size()});
      } else {
        work.handler(n_text, k_text, output_);
      }
    }
    output_.push_back('\n');
    ++next_line_;
  }

  // Every line of text, which holds whole lines; the last may lack its "\n".
  void Lines(std::string_view text, const LineWork& work) {
    while (!text.empty()) {
      const std::size_t newline = std::min(text.find('\n'), text.size());
      Line(text.substr(0, newline), work);
      text.remove_prefix(std::min(newline + 1, text.size()));
    }
  }

  // The bytes held for the lines not yet written.
  std::size_t size() const {
    return output_.size() + complaints_.size() + reports_.size() * sizeof(Report);
  }

  // Writes the output and the reports in line order, each report before the empty line that
  // stands for its line, and starts over empty. Counts into report.
  void Emit(ByteSink& output, ByteSink& errors, LineReport& report) {
    std::size_t written = 0;
    for (const Report& line : reports_) {
      if (line.offset > written)
        output.Write(std::string_view(output_).substr(written, line.offset - written));
      written = line.offset;
      const std::string prefix =
          std::string(kCliName) + ": line " + std::to_string(line.line) + ": ";
      if (line.complaints_begin == line.complaints_end) {
        ++report.lines_without_tab;
        Tell(errors, prefix + "expected N and K separated by a tab\n");
        continue;
      }
      ++report.lines_rejected;
      std::string_view complaints =
          std::string_view(complaints_)
              .substr(line.complaints_begin, line.complaints_end - line.complaints_begin);
      while (!complaints.empty()) {
        const std::size_t newline = std::min(complaints.find('\n'), complaints.size());
        Tell(errors, prefix + std::string(complaints.substr(0, newline)) + "\n");
        complaints.remove_prefix(std::min(newline + 1, complaints.size()));
      }
    }
    if (output_.size() > written) output.Write(std::string_view(output_).substr(written));
    report.lines = next_line_ - 1;
    output_.clear();
    complaints_.clear();
    reports_.clear();
  }

 private:
  // A line whose output is an empty line: without a tab when it has no complaints.
  struct Report {
    std::uint64_t line;
    std::size_t offset;  // where its empty output line starts
    std::size_t complaints_begin;
    std::size_t complaints_end;
  };

  static void Tell(ByteSink& errors, const std::string& message) {
    try {
      errors.Write(message);
    } catch (const IoError&) {
      // Nowhere to report the line; the results still matter and the status still tells.
    }
  }

  std::uint64_t next_line_;
  std::string output_;
  std::string complaints_;
  std::vector<Report> reports_;
};

// One thread: each line's result is complete before the next line is read, and the output
// goes out in blocks, or line by line when asked.
LineReport ProcessInOrder(ByteSource& input, ByteSink& output, ByteSink& errors,
                          const LineWork& work, const LineProcessorOptions& options) {
  LineReport report;
  Translation pending(1);
  const auto line = [&](std::string_view text) {
    pending.Line(text, work);
    if (options.flush_each_line || pending.size() >= kWriteChunk) {
      pending.Emit(output, errors, report);
    }
  };
  std::vector<char> chunk(kReadChunk);
  // The start of a line that continues beyond the chunk it began in.
  std::string carried;
  for (;;) {
    const std::size_t got = input.Read(chunk.data(), chunk.size());
    if (got == 0) break;
    const char* next = chunk.data();
    const char* const end = next + got;
    while (next != end) {
      const auto* newline =
          static_cast<const char*>(std::memchr(next, '\n', static_cast<std::size_t>(end - next)));
      if (newline == nullptr) {
        carried.append(next, end);
        if (work.field_limit != std::string::npos && carried.size() > kCutLineAt) {
          CutLongFields(carried, work);
        }
        break;
      }
      if (carried.empty()) {
        line(std::string_view(next, static_cast<std::size_t>(newline - next)));
      } else {
        carried.append(next, newline);
        line(carried);
        carried.clear();
      }
      next = newline + 1;
    }
    // A short read means the writer of the input is waiting, perhaps for these very answers
    // (a program driving morvane-cli through two pipes): hand them over before blocking.
    if (got < chunk.size()) pending.Emit(output, errors, report);
  }
  if (!carried.empty()) pending.Line(carried, work);
  pending.Emit(output, errors, report);
  return report;
}

// Several threads: the input is cut into blocks of whole lines, each block is translated on
// a thread of its own, and the translations are written in input order by this thread.
LineReport ProcessInParallel(ByteSource& input, ByteSink& output, ByteSink& errors,
                             const LineWork& work, const LineProcessorOptions& options) {
  const unsigned threads = std::min(options.threads, kMaxThreads);
  LineReport report;
  // A block's text lives beside the result computed from it: a deque keeps its elements in
  // place as it grows and shrinks at its ends.
  struct Flight {
    std::string text;
    std::future<Translation> result;
  };
  std::deque<Flight> in_flight;
  const auto emit_oldest = [&] {
    Translation done = in_flight.front().result.get();
    in_flight.pop_front();
    done.Emit(output, errors, report);
  };
  std::uint64_t next_line = 1;
  // Bytes after the last "\n" read so far: the start of the next block.
  std::string carried;
  // Reads land in a fixed buffer, so a read costs what it brings, however small it is.
  std::vector<char> chunk(kReadChunk);
  for (;;) {
    const std::size_t got = input.Read(chunk.data(), chunk.size());
    if (got == 0) break;
    // A short read is collected at once below, so a thread would only add its start-up.
    const bool on_thread = got == chunk.size();
    const auto launch = [&](std::string block, std::uint64_t first_line) {
      in_flight.push_back(Flight{std::move(block), {}});
      Flight& flight = in_flight.back();
      const auto translate = [&work, first_line, text = std::string_view(flight.text)] {
        Translation translation(first_line);
        translation.Lines(text, work);
        return translation;
      };
      if (on_thread) {
        try {
          flight.result = std::async(std::launch::async, translate);
          return;
        } catch (const std::system_error&) {
          // No thread to be had: the block is translated when its result is collected.
        }
      }
      flight.result = std::async(std::launch::deferred, translate);
    };
    const char* block_start = chunk.data();
    const char* scanned = block_start;
    const char* const end = block_start + got;
    std::uint64_t lines = 0;
    for (;;) {
      const auto* newline = static_cast<const char*>(
          std::memchr(scanned, '\n', static_cast<std::size_t>(end - scanned)));
      if (newline != nullptr) {
        ++lines;
        scanned = newline + 1;
      }
      if (lines == kBlockLines || (newline == nullptr && lines > 0)) {
        std::string block = std::move(carried);
        carried.clear();
        block.append(block_start, scanned);
        launch(std::move(block), next_line);
        next_line += lines;
        lines = 0;
        block_start = scanned;
        while (in_flight.size() > threads) emit_oldest();
      }
      if (newline == nullptr) break;
    }
    carried.append(block_start, end);
    if (work.field_limit != std::string::npos && carried.size() > kCutLineAt) {
      CutLongFields(carried, work);
    }
    // As with one thread: a waiting writer of the input gets every complete answer first.
    if (got < chunk.size()) {
      while (!in_flight.empty()) emit_oldest();
    }
  }
  while (!in_flight.empty()) emit_oldest();
  Translation last(next_line);
  last.Lines(carried, work);
  last.Emit(output, errors, report);
  return report;
}

}  // namespace

LineReport ProcessLines(ByteSource& input, ByteSink& output, ByteSink& errors,
                        const LineHandler& handler, const LineProcessorOptions& options) {
  const LineWork work{handler, options.check, options.field_limit};
  if (options.flush_each_line || options.threads <= 1) {
    return ProcessInOrder(input, output, errors, work, options);
  }
  return ProcessInParallel(input, output, errors, work, options);
}

}  // namespace morvane
