# SPDX-License-Identifier: GPL-3.0-or-later
# Every Wine run of the tests in the build's prefix, with no menu entries or file associations
# written into the home folder, also when CTest runs without the preset: what this file sets in
# the environment holds for the whole CTest run.
set(ENV{WINEPREFIX} "@MORVANE_WINE_PREFIX@")
set(ENV{WINEDEBUG} "-all")
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=;winemenubuilder.exe=d")
# Run by CTest before it lists the tests of each program under Wine. Wine starts its server on
# demand with no persistence: it would end whenever no program of the prefix runs, between two
# tests, and start again with Wine's services for the next program, taking seconds each time
# and making the run depend on those starts and ends. One server serves the whole run instead,
# ending 30 seconds after its last program; a server already running (scripts/windows starts
# one) is kept. The server stays in the background: on /dev/null, so that CTest need not wait
# for it to close its output.
execute_process(COMMAND wineserver -p30
  INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
# The first program in a prefix starts Wine's own services, which take seconds and inherit its
# output: a test listing would time out, or wait for them to close the pipe. Started here on
# /dev/null; it is also the server's first program, after which its 30 seconds can run out.
execute_process(COMMAND "@MORVANE_WINE@" cmd /c exit 0
  INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
