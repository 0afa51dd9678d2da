# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build: every program in one bin/ folder with the DLLs and Qt
# plugins it loads, so the programs and the tests run from there (under Wine
# too) exactly as from the installed folder. `cmake --install` lays out the
# same files flat, for the installer and the portable .zip.
if(NOT CMAKE_CROSSCOMPILING AND NOT MINGW)
  message(FATAL_ERROR "The Windows build is made with MinGW-w64 (cmake --preset windows)")
endif()

enable_language(RC) # the programs' icon and version
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
# Everything installs beside the programs: a Windows program looks for its
# manual, DLLs and plugins in its own folder.
set(CMAKE_INSTALL_BINDIR .)

# Unicode Win32 calls, and no min/max macros from <windows.h>.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)

# The Qt the programs link, found through its CMake package.
get_filename_component(_korvex_qt "${Qt6Core_DIR}/../../.." ABSOLUTE)
set(_korvex_qt_dlls Qt6Core Qt6Gui Qt6Widgets Qt6SerialPort)
# The manual's pictures: every format its reader decodes, PNG (built into Qt)
# and JPEG (a plugin). RTF carries no GIF.
set(_korvex_qt_plugins platforms/qwindows styles/qwindowsvistastyle imageformats/qico
  imageformats/qjpeg)

# The compiler's runtime, which the Qt DLLs link too.
set(_korvex_runtime)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE _korvex_found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${_korvex_found}" OR NOT EXISTS "${_korvex_found}")
    find_file(_korvex_found_${dll} ${dll}
      PATHS /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib
      NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    set(_korvex_found "${_korvex_found_${dll}}")
  endif()
  if(NOT EXISTS "${_korvex_found}")
    message(FATAL_ERROR "${dll} of the MinGW-w64 runtime was not found")
  endif()
  list(APPEND _korvex_runtime "${_korvex_found}")
endforeach()

# The DLLs and plugins beside the programs, and beside the tests, which have
# a folder of their own: the manual copied beside the programs would otherwise
# be found first by the tests that look for it elsewhere.
set(KORVEX_TEST_RUNTIME_DIRECTORY ${CMAKE_BINARY_DIR}/tests-bin)
foreach(_korvex_bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY} ${KORVEX_TEST_RUNTIME_DIRECTORY})
  foreach(dll IN LISTS _korvex_qt_dlls)
    file(COPY ${_korvex_qt}/bin/${dll}.dll DESTINATION ${_korvex_bin})
  endforeach()
  foreach(plugin IN LISTS _korvex_qt_plugins)
    get_filename_component(_korvex_kind ${plugin} DIRECTORY)
    file(COPY ${_korvex_qt}/plugins/${plugin}.dll DESTINATION ${_korvex_bin}/${_korvex_kind})
  endforeach()
  # Headless runs (the tests) only; no user needs it.
  file(COPY ${_korvex_qt}/plugins/platforms/qoffscreen.dll DESTINATION ${_korvex_bin}/platforms)
  file(COPY ${_korvex_runtime} DESTINATION ${_korvex_bin})
endforeach()
foreach(dll IN LISTS _korvex_qt_dlls)
  install(FILES ${_korvex_qt}/bin/${dll}.dll DESTINATION .)
endforeach()
foreach(plugin IN LISTS _korvex_qt_plugins)
  get_filename_component(_korvex_kind ${plugin} DIRECTORY)
  install(FILES ${_korvex_qt}/plugins/${plugin}.dll DESTINATION ${_korvex_kind})
endforeach()
install(FILES ${_korvex_runtime} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/resources/Korvex_Config.rtf ${PROJECT_SOURCE_DIR}/LICENSE
  DESTINATION .)

# Qt's own words (its dialogs' buttons, the fields' context menu) in the
# languages the program speaks: Debian's catalogues of the same Qt version,
# beside the programs as the program's own are.
foreach(language IN LISTS KORVEX_LANGUAGES)
  set(_korvex_qt_qm /usr/share/qt6/translations/qtbase_${language}.qm)
  if(NOT EXISTS ${_korvex_qt_qm})
    message(FATAL_ERROR "${_korvex_qt_qm} is missing: install qt6-translations-l10n")
  endif()
  file(COPY ${_korvex_qt_qm} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations)
  install(FILES ${_korvex_qt_qm} DESTINATION translations)
endforeach()
# Who the programs and the setup name as their maker, for Explorer's
# Properties and for "Programs and Features".
set(KORVEX_PUBLISHER "Korvex Config Developers")
set(KORVEX_COPYRIGHT "Copyright (C) ${KORVEX_PUBLISHER}. GNU GPL 3 or later.")

# A program's icon and version resource, from the project's one version.
function(korvex_windows_resources target description)
  set(KORVEX_RC_NAME ${target})
  set(KORVEX_RC_DESCRIPTION "${description}")
  set(KORVEX_RC_ICON "${PROJECT_SOURCE_DIR}/resources/windows/korvex-config.ico")
  configure_file(${PROJECT_SOURCE_DIR}/resources/windows/program.rc.in
    ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
