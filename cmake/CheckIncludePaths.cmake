# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file includes by climbing out of its folder
# ("../x.h"): such an include walks around the include roots that keep each
# floor and front end to what it may see, and no build would notice.
#   cmake -DSOURCE_DIR=<repository> -P CheckIncludePaths.cmake
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()
set(found)
foreach(top src tests bench)
  file(GLOB_RECURSE files LIST_DIRECTORIES false
    ${SOURCE_DIR}/${top}/*.h ${SOURCE_DIR}/${top}/*.hpp ${SOURCE_DIR}/${top}/*.cpp
    ${SOURCE_DIR}/${top}/*.cc ${SOURCE_DIR}/${top}/*.c)
  foreach(file IN LISTS files)
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"]*\\.\\.[/\\\\]")
    foreach(line IN LISTS lines)
      file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
      string(STRIP "${line}" line)
      list(APPEND found "${name}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(found)
  list(JOIN found "\n  " listing)
  message(FATAL_ERROR "Includes that climb out of their folder (name the header "
                      "from an include root instead):\n  ${listing}")
endif()
