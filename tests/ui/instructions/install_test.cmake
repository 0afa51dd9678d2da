# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder, then checks the installed layout:
# the files are where a desktop, man and bash-completion expect them, the
# installed programs start from an unrelated folder, and F1's lookup finds the
# installed manual.
#
# korvex-config has no way to press F1 from outside, so a probe built from the
# same instructions window is copied beside it and does what F1 does.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${STAGE}")
set(ENV{DESTDIR} "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
unset(ENV{DESTDIR})

set(root "${STAGE}${PREFIX}")
foreach(f
    ${BINDIR}/korvex-config
    ${BINDIR}/korvex-cli
    ${DATADIR}/korvex-config/Korvex_Config.rtf
    ${DATADIR}/applications/org.korvex.Config.desktop
    ${DATADIR}/metainfo/org.korvex.Config.metainfo.xml
    ${DATADIR}/icons/hicolor/16x16/apps/korvex-config.png
    ${DATADIR}/icons/hicolor/32x32/apps/korvex-config.png
    ${DATADIR}/icons/hicolor/48x48/apps/korvex-config.png
    ${DATADIR}/icons/hicolor/scalable/apps/korvex-config.svg
    ${MANDIR}/man1/korvex-config.1.gz
    ${MANDIR}/man1/korvex-cli.1.gz
    ${DATADIR}/doc/korvex-config/copyright
    ${DATADIR}/doc/korvex-config/changelog.gz
    ${DATADIR}/bash-completion/completions/korvex-cli)
  if(NOT EXISTS "${root}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

# The validators a desktop, a software centre and man use, where installed
# (scripts/test.sh installs them).
set(checks
  "desktop-file-validate|${root}/${DATADIR}/applications/org.korvex.Config.desktop"
  "appstreamcli|validate,--no-net,${root}/${DATADIR}/metainfo/org.korvex.Config.metainfo.xml"
  "mandoc|-Tlint,-Wwarning,${root}/${MANDIR}/man1/korvex-config.1.gz"
  "mandoc|-Tlint,-Wwarning,${root}/${MANDIR}/man1/korvex-cli.1.gz")
foreach(check IN LISTS checks)
  string(REPLACE "|" ";" fields "${check}")
  list(GET fields 0 tool)
  list(GET fields 1 arguments)
  string(REPLACE "," ";" arguments "${arguments}")
  find_program(tool_path ${tool})
  if(NOT tool_path)
    message(STATUS "${tool} not installed: not checked")
  else()
    execute_process(COMMAND "${tool_path}" ${arguments}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR (tool STREQUAL "mandoc" AND NOT "${out}${err}" STREQUAL ""))
      message(FATAL_ERROR "${tool} ${arguments}: ${rc}\n${out}${err}")
    endif()
  endif()
  unset(tool_path CACHE)
endforeach()

# Somewhere that holds no manual, as after a Load from another folder.
set(elsewhere "${STAGE}/elsewhere")
file(MAKE_DIRECTORY "${elsewhere}")

execute_process(COMMAND "${root}/${BINDIR}/korvex-cli" --help
                WORKING_DIRECTORY "${elsewhere}" RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "installed korvex-cli --help failed: ${rc}")
endif()

# The window program has no exit of its own: it must still be running when
# the time is up.
execute_process(COMMAND "${root}/${BINDIR}/korvex-config"
                WORKING_DIRECTORY "${elsewhere}" TIMEOUT 3 RESULT_VARIABLE rc
                OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc MATCHES "timeout")
  message(FATAL_ERROR "installed korvex-config did not stay up: ${rc} ${err}")
endif()

file(COPY "${PROBE}" DESTINATION "${root}/${BINDIR}")
get_filename_component(probe_name "${PROBE}" NAME)
execute_process(COMMAND "${root}/${BINDIR}/${probe_name}"
                WORKING_DIRECTORY "${elsewhere}" RESULT_VARIABLE rc
                OUTPUT_VARIABLE shown OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "F1 in the installed tree did not find the manual: ${rc} ${err}")
endif()
file(REAL_PATH "${root}/${DATADIR}/korvex-config/Korvex_Config.rtf" expected)
file(REAL_PATH "${shown}" shown)
if(NOT shown STREQUAL expected)
  message(FATAL_ERROR "F1 showed ${shown}, expected ${expected}")
endif()
message(STATUS "installed manual found: ${shown}")
