# Cross compiling 64-bit Windows programs (PE32+) with MinGW-w64.
set(MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
