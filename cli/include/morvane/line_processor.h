// The line reader of morvane-cli: turns a stream of "N<TAB>K" lines into one output line each,
// in order, fast enough for millions of lines and safe on any bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "morvane/byte_stream.h"

namespace morvane {

// Appends the result for one line's N and K texts to out, without a newline. With more than
// one thread it is called from several threads at once, so it must not change shared state.
using LineHandler =
    std::function<void(std::string_view n_text, std::string_view k_text, std::string& out)>;

struct LineProcessorOptions {
  // Write each output line as soon as it is complete (for a terminal). Otherwise output goes
  // out in large blocks, and whenever the input has nothing more available for the moment.
  bool flush_each_line = false;
  // Threads that compute results at once, on blocks of 64 KiB of whole lines, while the
  // calling thread reads and writes. 1, or flush_each_line, computes every line on the calling
  // thread. The output is the same either way.
  unsigned threads = 1;
};

struct LineReport {
  std::uint64_t lines = 0;              // input lines seen
  std::uint64_t lines_without_tab = 0;  // of those, the ones reported as malformed

  friend bool operator==(const LineReport&, const LineReport&) = default;
};

// Reads input to its end, one line per "\n"; bytes after the last "\n" form a last line, and
// an input that ends with "\n" has no empty line after it. One "\r" before the "\n" is dropped.
// A line is split at its first tab: N is the text before it, K all the text after it (further
// tabs included). For each line, output receives the handler's text and "\n". A line without a
// tab instead gets an empty output line, and errors receives
// "morvane-cli: line 3: expected N and K separated by a tab\n" with its 1-based number.
// Lines may hold any bytes, NUL and invalid UTF-8 included, and be of any length; the input is
// read in chunks and each byte is looked at a bounded number of times.
// Raises IoError when input or output fails, at once; a failing errors stream is ignored,
// since the results and the report still tell what happened.
// Example: "20\t10\r\nabc\n5\t2.5" with the Go command as handler writes " 184,756\n\n 8\n"
// and reports line 2.
LineReport ProcessLines(ByteSource& input, ByteSink& output, ByteSink& errors,
                        const LineHandler& handler, const LineProcessorOptions& options = {});

}  // namespace morvane
