# Compiler settings every Corvane target shares.

# Warnings are errors in both builds.
set(CORVANE_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Werror)

if(CORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# Every library is instrumented for the fuzz targets, which alone link the
# fuzzer's own main.
if(CORVANE_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address)
endif()

if(WIN32)
  # Programs that need no runtime DLL; the A functions of Win32.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0400 WINVER=0x0400)
endif()

# Applies the project's warnings and the repository root as include root to a
# program: entry points, tools, tests and benchmarks may include every layer.
# The libraries of the layers use corvane_layer (cmake/Layers.cmake) instead.
function(corvane_defaults target)
  target_compile_options(${target} PRIVATE ${CORVANE_WARNINGS})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()

# Sets OUT to the sources SOURCES (absolute paths in the repository)
# compiled SIZE to a translation unit: each group is a generated file that
# includes its sources by their path from the repository root, so the shared
# headers (GoogleTest above all, seconds a unit) are compiled once a group,
# and the compiler cache sees the same text in every checkout. Names in the
# anonymous namespace of one source must therefore differ from those of the
# others of its group.
function(corvane_grouped_sources out name size)
  set(groups "")
  set(indexes "")
  set(position 0)
  foreach(source ${ARGN})
    math(EXPR index "${position} / ${size}")
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${source})
    string(APPEND text_${index} "#include \"${relative}\"\n")
    list(APPEND indexes ${index})
    math(EXPR position "${position} + 1")
  endforeach()
  list(REMOVE_DUPLICATES indexes)
  foreach(index ${indexes})
    set(group ${CMAKE_CURRENT_BINARY_DIR}/groups/${name}_${index}.cpp)
    file(CONFIGURE OUTPUT ${group} CONTENT "${text_${index}}")
    list(APPEND groups ${group})
  endforeach()
  set(${out} ${groups} PARENT_SCOPE)
endfunction()

# Compiles TARGET's sources in the repository as groups of 12 (above); its
# include root must reach them by their path from the repository root, as a
# layer's root does. Sources the build generates stay as they are.
function(corvane_unity target)
  get_target_property(sources ${target} SOURCES)
  set(grouped "")
  set(kept "")
  foreach(source ${sources})
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    if(path MATCHES "\\.cpp$" AND path MATCHES "^${PROJECT_SOURCE_DIR}/" AND NOT path MATCHES "^${PROJECT_BINARY_DIR}/")
      list(APPEND grouped ${path})
    else()
      list(APPEND kept ${source})
    endif()
  endforeach()
  corvane_grouped_sources(groups ${target} 12 ${grouped})
  set(all ${kept} ${groups})
  set_target_properties(${target} PROPERTIES SOURCES "${all}")
endfunction()
