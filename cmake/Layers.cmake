# The layers of the code as the build sees them (docs/layers.md).
#
# Each library's include root is a folder of symbolic links under the build
# tree that holds its own source folders and nothing else. A library sees
# the headers of the libraries it links and no others, so an include of a
# higher layer is not found and the build fails where the include is.

set(CORVANE_LAYER_ROOT ${CMAKE_BINARY_DIR}/layers)

# Links ROOT/FOLDER to the source folder FOLDER. With EXCEPT, ROOT/FOLDER is a
# real folder that links each entry of the source folder but the named ones,
# so a sub-folder of another library stays out of sight.
function(corvane_layer_link root folder)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "" "" "EXCEPT")
  set(source ${PROJECT_SOURCE_DIR}/${folder})
  if(NOT ARG_EXCEPT)
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${source} ${root}/${folder} SYMBOLIC)
    return()
  endif()
  file(MAKE_DIRECTORY ${root}/${folder})
  # Headers added later reach the links when CMake runs again, which the
  # build does by itself as the glob's result changes.
  file(GLOB entries CONFIGURE_DEPENDS RELATIVE ${source} ${source}/*)
  list(REMOVE_ITEM entries ${ARG_EXCEPT})
  foreach(entry ${entries})
    file(CREATE_LINK ${source}/${entry} ${root}/${folder}/${entry} SYMBOLIC)
  endforeach()
endfunction()

# Gives TARGET the project's warnings and an include root that holds the
# source FOLDERS (PUBLIC: its users see them) and PRIVATE_FOLDERS (its own
# sources alone see them). A folder may be written "folder EXCEPT sub ...;"
# as one list element separated by spaces, e.g. "ui EXCEPT fakes win32".
function(corvane_layer target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "FOLDERS;PRIVATE_FOLDERS")
  get_target_property(kind ${target} TYPE)
  if(NOT kind STREQUAL "INTERFACE_LIBRARY")
    target_compile_options(${target} PRIVATE ${CORVANE_WARNINGS})
    corvane_unity(${target})
  endif()
  foreach(scope PUBLIC PRIVATE)
    if(scope STREQUAL "PUBLIC")
      set(folders ${ARG_FOLDERS})
      set(root ${CORVANE_LAYER_ROOT}/${target})
    else()
      set(folders ${ARG_PRIVATE_FOLDERS})
      set(root ${CORVANE_LAYER_ROOT}/${target}-private)
    endif()
    if(NOT folders)
      continue()
    endif()
    foreach(entry ${folders})
      separate_arguments(words UNIX_COMMAND "${entry}")
      corvane_layer_link(${root} ${words})
    endforeach()
    if(kind STREQUAL "INTERFACE_LIBRARY")
      target_include_directories(${target} INTERFACE ${root})
    else()
      target_include_directories(${target} ${scope} ${root})
    endif()
  endforeach()
endfunction()
