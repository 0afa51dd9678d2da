# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package: `cpack -G DEB` in the release build folder. Installed
# under /usr; the instructions window finds the manual relative to the
# program, so the prefix the build was configured with does not matter.
# The copyright file, the changelog and the man pages come from docs/.

# One home for who answers for the package: the control file, the changelog's
# signature and the copyright file's contact.
set(KORVEX_MAINTAINER "Korvex Config Developers <packaging@korvex.org>"
  CACHE STRING "Name and address of the package's maintainer")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvex-config)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Korvex Config Developers")
set(CPACK_PACKAGE_CONTACT "${KORVEX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KORVEX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programmer for the Korvex APRS tracker")
set(CPACK_PACKAGE_DESCRIPTION
  "Korvex Config edits the settings of the Korvex APRS position tracker and\n\
writes them to it over an RS-232 line. It checks and corrects the values,\n\
saves and loads them as .cfg files, and comes with a command-line tool\n\
(korvex-cli) and a tracker simulator for trials without hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps declares every library the programs link (libqt6core6,
# libqt6gui6, libqt6widgets6, libqt6serialport6, libc6, libstdc++6). The Qt
# platform plugins are loaded at run time, so nothing links them: named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins (>= 6.4)")
# Qt's own words (its dialogs' buttons) in the user's language; the program's
# own catalogues are in the package.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)

# A stripped install (what CPack makes) also drops the compiler's .comment
# note, as Debian's dh_strip does.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program korvex-config korvex-cli)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")
