# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the bash completion of morvane-cli with the options that its --help lists, so that the
# completion cannot offer an option the program lacks or miss one it has.
# Usage: cmake -DCLI=path/to/morvane-cli -DTEMPLATE=file.in -DOUTPUT=file -P make_completion.cmake
execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${CLI} --help failed: ${status}")
endif()

# An option line starts with blanks and a dash; its names end where two blanks begin the text.
string(REGEX MATCHALL "\n +-[^\n]*" lines "${help}")
set(options "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^\n +" "" line "${line}")
  string(REGEX REPLACE "  .*" "" names "${line}")
  string(REGEX MATCHALL "-[-a-z]*" found "${names}")
  list(APPEND options ${found})
endforeach()
if(NOT options)
  message(FATAL_ERROR "no options found in the --help of ${CLI}")
endif()
list(JOIN options " " MORVANE_CLI_OPTIONS)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
