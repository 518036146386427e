// SPDX-License-Identifier: GPL-3.0-or-later
// Windows only: morvane-cli's standard streams at a console, written and read as UTF-16
// through the console API, which shows every character whatever the console's code page.
// Files and pipes keep their bytes (UTF-8), through FdSource and FdSink.
#pragma once

#include <memory>

#include "morvane/byte_stream.h"

namespace morvane {

// Standard output (fd 1) or error (fd 2): the console itself when it is one, the descriptor
// otherwise.
std::unique_ptr<ByteSink> StandardSink(int fd);

// Standard input: typed lines when it is a console, ending at the first Ctrl+Z (Ctrl+Z then
// Enter, as Windows programs end typed input), the text before it on its line included; the
// descriptor's bytes otherwise, where a Ctrl+Z byte is data like any other.
std::unique_ptr<ByteSource> StandardSource();

}  // namespace morvane
