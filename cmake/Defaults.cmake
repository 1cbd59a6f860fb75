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

# Compiles TARGET's sources as a few large units: each reads the standard
# and the shared headers once, which halves a build from nothing. The
# sources of one target therefore keep their file-local names distinct.
function(corvane_unity target)
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 12)
endfunction()
