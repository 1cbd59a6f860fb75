# Builds a small PE file for tests with the MinGW-w64 cross tools. The host
# build makes 32-bit files; each Windows build makes files of its own bitness,
# since a process can load only modules of its own bitness.
#
# corvane_pe_fixture(NAME ver_fixed.dll KIND dll SOURCES stub.c [RC ver.rc] [TRIPLE t])
# TRIPLE names the cross tools when a fixture needs a fixed bitness.
# The file lands in ${CORVANE_FIXTURE_DIR}; the target pe_fixtures builds them all.

if(WIN32 AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(CORVANE_MINGW_TRIPLE x86_64-w64-mingw32)
else()
  set(CORVANE_MINGW_TRIPLE i686-w64-mingw32)
endif()

set(CORVANE_FIXTURE_DIR ${CMAKE_BINARY_DIR}/fixtures)
file(MAKE_DIRECTORY ${CORVANE_FIXTURE_DIR})
if(NOT TARGET pe_fixtures)
  add_custom_target(pe_fixtures ALL)
endif()

function(corvane_pe_fixture)
  cmake_parse_arguments(PF "" "NAME;KIND;RC;TRIPLE" "SOURCES;LIBS" ${ARGN})
  if(NOT PF_TRIPLE)
    set(PF_TRIPLE ${CORVANE_MINGW_TRIPLE})
  endif()
  set(out ${CORVANE_FIXTURE_DIR}/${PF_NAME})
  set(inputs)
  foreach(src ${PF_SOURCES})
    list(APPEND inputs ${CMAKE_CURRENT_SOURCE_DIR}/${src})
  endforeach()
  set(commands)
  if(PF_RC)
    set(res ${CMAKE_CURRENT_BINARY_DIR}/${PF_NAME}.res.o)
    list(APPEND commands COMMAND ${PF_TRIPLE}-windres -O coff
         -I ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${PF_RC} -o ${res})
    list(APPEND inputs ${res})
  endif()
  if(PF_KIND STREQUAL "dll")
    set(kind -shared)
  else()
    set(kind)
  endif()
  set(libs)
  foreach(lib ${PF_LIBS})
    list(APPEND libs -l${lib})
  endforeach()
  add_custom_command(OUTPUT ${out}
    ${commands}
    COMMAND ${PF_TRIPLE}-gcc ${kind} -s -static -o ${out} ${inputs} ${libs}
    DEPENDS ${PF_SOURCES} ${PF_RC}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    COMMENT "PE fixture ${PF_NAME}"
    VERBATIM)
  string(MAKE_C_IDENTIFIER "fixture_${PF_NAME}" tgt)
  add_custom_target(${tgt} DEPENDS ${out})
  add_dependencies(pe_fixtures ${tgt})
endfunction()
