#include "morvane/line_processor.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <future>
#include <utility>
#include <vector>

#include "morvane/cli_options.h"

namespace morvane {

namespace {

constexpr std::size_t kReadChunk = std::size_t{64} << 10;
// Output is handed to the sink once this much has gathered.
constexpr std::size_t kWriteChunk = std::size_t{64} << 10;

// The output for a run of consecutive lines, with the lines that had no tab, so that it can
// be computed on one thread and written on another in input order.
class Translation {
 public:
  explicit Translation(std::uint64_t first_line) : next_line_(first_line) {}

  void Line(std::string_view line, const LineHandler& handler) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
      without_tab_.push_back({next_line_, output_.size()});
    } else {
      handler(line.substr(0, tab), line.substr(tab + 1), output_);
    }
    output_.push_back('\n');
    ++next_line_;
  }

  // Every line of text, which holds whole lines; the last may lack its "\n".
  void Lines(std::string_view text, const LineHandler& handler) {
    while (!text.empty()) {
      const std::size_t newline = std::min(text.find('\n'), text.size());
      Line(text.substr(0, newline), handler);
      text.remove_prefix(std::min(newline + 1, text.size()));
    }
  }

  std::size_t size() const { return output_.size(); }

  // Writes the output and the reports in line order, each report before the empty line that
  // stands for its line, and starts over empty. Counts into report.
  void Emit(ByteSink& output, ByteSink& errors, LineReport& report) {
    std::size_t written = 0;
    for (const auto& [line, offset] : without_tab_) {
      if (offset > written)
        output.Write(std::string_view(output_).substr(written, offset - written));
      written = offset;
      try {
        errors.Write(std::string(kCliName) + ": line " + std::to_string(line) +
                     ": expected N and K separated by a tab\n");
      } catch (const IoError&) {
        // Nowhere to report the line; the results still matter and the status still tells.
      }
    }
    if (output_.size() > written) output.Write(std::string_view(output_).substr(written));
    report.lines = next_line_ - 1;
    report.lines_without_tab += without_tab_.size();
    output_.clear();
    without_tab_.clear();
  }

 private:
  struct WithoutTab {
    std::uint64_t line;
    std::size_t offset;  // where its empty output line starts
  };

  std::uint64_t next_line_;
  std::string output_;
  std::vector<WithoutTab> without_tab_;
};

// One thread: each line's result is complete before the next line is read, and the output
// goes out in blocks, or line by line when asked.
LineReport ProcessInOrder(ByteSource& input, ByteSink& output, ByteSink& errors,
                          const LineHandler& handler, const LineProcessorOptions& options) {
  LineReport report;
  Translation pending(1);
  const auto line = [&](std::string_view text) {
    pending.Line(text, handler);
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
  if (!carried.empty()) pending.Line(carried, handler);
  pending.Emit(output, errors, report);
  return report;
}

// Several threads: the input is cut into blocks of whole lines, each block is translated on
// a thread of its own, and the translations are written in input order by this thread.
LineReport ProcessInParallel(ByteSource& input, ByteSink& output, ByteSink& errors,
                             const LineHandler& handler, const LineProcessorOptions& options) {
  LineReport report;
  std::deque<std::future<Translation>> in_flight;
  const auto emit_oldest = [&] {
    Translation done = in_flight.front().get();
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
    std::string block = std::move(carried);
    const std::size_t old_size = block.size();
    block.append(chunk.data(), got);
    // carried holds no "\n", so only the new bytes need looking at.
    const std::size_t new_newline = std::string_view(block).substr(old_size).rfind('\n');
    const std::size_t last_newline =
        new_newline == std::string_view::npos ? std::string::npos : old_size + new_newline;
    if (last_newline == std::string::npos) {
      carried = std::move(block);
    } else {
      carried.assign(block, last_newline + 1);
      block.resize(last_newline + 1);
      const auto lines = static_cast<std::uint64_t>(std::count(block.begin(), block.end(), '\n'));
      auto translate = [&handler, first = next_line, text = std::move(block)] {
        Translation translation(first);
        translation.Lines(text, handler);
        return translation;
      };
      // A short read is collected at once below, so a thread would only add its start-up.
      // Otherwise both policies: where no thread can be started, the block is translated
      // when its result is collected, on this thread.
      const std::launch policy =
          got < chunk.size() ? std::launch::deferred : std::launch::async | std::launch::deferred;
      in_flight.push_back(std::async(policy, std::move(translate)));
      next_line += lines;
    }
    while (in_flight.size() > options.threads) emit_oldest();
    // As with one thread: a waiting writer of the input gets every complete answer first.
    if (got < chunk.size()) {
      while (!in_flight.empty()) emit_oldest();
    }
  }
  while (!in_flight.empty()) emit_oldest();
  Translation last(next_line);
  last.Lines(carried, handler);
  last.Emit(output, errors, report);
  return report;
}

}  // namespace

LineReport ProcessLines(ByteSource& input, ByteSink& output, ByteSink& errors,
                        const LineHandler& handler, const LineProcessorOptions& options) {
  if (options.flush_each_line || options.threads <= 1) {
    return ProcessInOrder(input, output, errors, handler, options);
  }
  return ProcessInParallel(input, output, errors, handler, options);
}

}  // namespace morvane
