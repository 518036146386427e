# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CTest before it lists the tests of each program under Wine. The first program in a
# prefix starts Wine's own services, which take seconds and inherit its output: a test
# listing would time out, or wait for them to close the pipe. Started here on /dev/null.
execute_process(COMMAND "@MORVANE_WINE@" cmd /c exit 0
  INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
