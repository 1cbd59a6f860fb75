# Cross compiling 32-bit Windows programs (PE32) with MinGW-w64.
set(MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
