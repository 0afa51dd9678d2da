# SPDX-License-Identifier: GPL-3.0-or-later
# Release builds get the hardening Debian builds its packages with (compare
# `dpkg-buildflags`): fortified libc calls at -O2, stack protector, a
# read-only relocation table bound at start, and a position-independent
# program. Debug, sanitizer and fuzz builds keep their own flags: fortify
# needs the optimiser, and it gets in the sanitizers' way.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
set(_korvex_release "$<AND:$<CONFIG:Release>,$<NOT:$<BOOL:${KORVEX_SANITIZE}>>>")
add_compile_definitions("$<${_korvex_release}:_FORTIFY_SOURCE=2>")
add_compile_options("$<${_korvex_release}:-fstack-protector-strong;-Wformat;-Werror=format-security;-Wdate-time>")
add_link_options("$<${_korvex_release}:LINKER:-z,relro,-z,now>")
