# The layers, as the build knows them. Each folder of src/ is one layer; a
# layer may include its own headers and those of the layers it depends on,
# directly or through another, and nothing else. The table of what each
# layer may include is written into the build folder, and the test
# LayersIncludeOnlyTheLayersBelow holds every file of src/ to it.

# zarnet_layer_rules(folder DEPENDS target...): the layer in src/<folder>
# may include what the zarnet_* targets it depends on may include; a Qt
# target among them lets it include Qt.
function(zarnet_layer_rules folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  set(allowed ${folder})
  foreach(dep ${ARG_DEPENDS})
    if(dep MATCHES "^Qt6::")
      list(APPEND allowed Qt)
    elseif(dep MATCHES "^zarnet_")
      get_property(below GLOBAL PROPERTY ZARNET_LAYER_ALLOWS_${dep})
      if(NOT below)
        message(FATAL_ERROR "${folder} depends on ${dep}, which is not a layer defined before it")
      endif()
      list(APPEND allowed ${below})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set_property(GLOBAL PROPERTY ZARNET_LAYER_ALLOWS_zarnet_${folder} ${allowed})
  # The folder first, then what else it may include.
  list(JOIN allowed " " line)
  set_property(GLOBAL APPEND PROPERTY ZARNET_LAYER_TABLE "${line}")
endfunction()

# zarnet_layer(target SOURCES file... DEPENDS target...): the static library
# of the layer src/<folder> for target zarnet_<folder>, its sources listed
# one by one.
function(zarnet_layer target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
  zarnet_warnings(${target})
  string(REGEX REPLACE "^zarnet_" "" folder ${target})
  zarnet_layer_rules(${folder} DEPENDS ${ARG_DEPENDS})
endfunction()

# Folders of src/ this configuration does not build (the window's, without
# Qt): the check leaves them out.
function(zarnet_layers_not_built)
  foreach(folder ${ARGN})
    set_property(GLOBAL APPEND PROPERTY ZARNET_LAYER_TABLE "${folder} -")
  endforeach()
endfunction()

# The table, one line per layer: its folder, then what else it may include.
function(zarnet_write_layer_table file)
  get_property(table GLOBAL PROPERTY ZARNET_LAYER_TABLE)
  list(JOIN table "\n" text)
  file(WRITE ${file} "${text}\n")
endfunction()
