# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line back into translation files after lupdate, which writes them anew
# without the comments they held.
# Usage: cmake -DTS_FILES="a.ts;b.ts" -P add_licence_line.cmake
set(licence_line "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->")
foreach(ts_file IN LISTS TS_FILES)
  file(READ "${ts_file}" content)
  string(FIND "${content}" "SPDX-License-Identifier:" found)
  if(found EQUAL -1)
    string(REPLACE "<!DOCTYPE TS>\n" "<!DOCTYPE TS>\n${licence_line}\n" content "${content}")
    file(WRITE "${ts_file}" "${content}")
  endif()
endforeach()
