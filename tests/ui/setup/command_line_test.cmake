# SPDX-License-Identifier: GPL-3.0-or-later
# korvex-config's own options answer without a display (Qt would abort on
# xcb without one), and both programs report the project's version.
cmake_minimum_required(VERSION 3.25)

# program | arguments (comma-separated) | exit code | what standard output starts with
set(cases
  "${CONFIG}|--help|0|Usage: korvex-config [FILE]"
  "${CONFIG}|-h|0|Usage: korvex-config [FILE]"
  "${CONFIG}|--version|0|korvex-config ${VERSION}\n"
  "${CONFIG}|-platform,offscreen,-v|0|korvex-config ${VERSION}\n"
  "${CONFIG}|--bogus|2|"
  "${CONFIG}|one.cfg,two.cfg|2|"
  "${CLI}|--version|0|korvex-cli ${VERSION}\n")

foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 program)
  list(GET fields 1 arguments)
  list(GET fields 2 expected_code)
  list(LENGTH fields count)
  set(expected_out "")
  if(count GREATER 3)
    list(GET fields 3 expected_out)
  endif()
  string(REPLACE "," ";" arguments "${arguments}")
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
            "${program}" ${arguments}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 10)
  if(NOT code STREQUAL expected_code)
    message(SEND_ERROR "${program} ${arguments}: exit ${code}, expected ${expected_code}\n${err}")
  endif()
  string(LENGTH "${expected_out}" length)
  string(SUBSTRING "${out}" 0 ${length} start)
  if(NOT start STREQUAL expected_out)
    message(SEND_ERROR "${program} ${arguments} printed:\n${out}\nexpected it to start with:\n${expected_out}")
  endif()
  if(expected_code STREQUAL "2" AND NOT err MATCHES "--help")
    message(SEND_ERROR "${program} ${arguments}: no usage hint on standard error: ${err}")
  endif()
endforeach()
