// SPDX-License-Identifier: GPL-3.0-or-later
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

// Looks at one line's N and K texts before the handler does and appends to complaints one
// line, ending in "\n", for each fault it finds ("K \"x\" is not a number\n"); a line with a
// complaint is rejected. Called from several threads at once, like the handler.
using LineCheck =
    std::function<void(std::string_view n_text, std::string_view k_text, std::string& complaints)>;

struct LineProcessorOptions {
  // Write each output line as soon as it is complete (for a terminal). Otherwise output goes
  // out in large blocks, and whenever the input has nothing more available for the moment.
  bool flush_each_line = false;
  // Threads that compute results at once, on blocks of at most 64 KiB and 8,192 whole lines,
  // while the calling thread reads and writes; more than 8 count as 8, since every block in
  // flight holds its results in memory. 1, or flush_each_line, computes every line on the
  // calling thread. The output is the same either way.
  unsigned threads = 1;
  // When set, every line with a tab is checked first. A rejected line gets an empty output
  // line instead of the handler's text, and each of its complaints goes to errors as
  // "morvane-cli: line 3: K \"x\" is not a number\n".
  LineCheck check{};
  // An N or K longer than this reaches the check and the handler cut to field_limit + 1
  // bytes, so that they can tell it was longer. With a limit, the reader holds a bounded amount
  // of memory whatever the input, however long its lines: it keeps of a long line only what
  // the cut leaves. Without one (npos), lines of any length are handed over whole.
  std::size_t field_limit = std::string::npos;
};

struct LineReport {
  std::uint64_t lines = 0;              // input lines seen
  std::uint64_t lines_without_tab = 0;  // of those, the ones reported as malformed
  std::uint64_t lines_rejected = 0;     // and the ones the check rejected

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
