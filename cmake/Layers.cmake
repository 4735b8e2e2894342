# Each folder of src/ is one layer and one static library. A layer names the layers it
# uses; check_layers.py (run by the test command) fails when a file includes a header
# of a layer its own layer does not use, directly or through the layers it uses.
#
#   mousecfg_layer(FOLDER USES lower layers... [LIBRARIES other targets...]
#                  [SOURCES extra sources...] [EXCLUDE regex])
function(mousecfg_layer folder)
  cmake_parse_arguments(LAYER "" "EXCLUDE" "USES;LIBRARIES;SOURCES" ${ARGN})
  # Headers are listed too, so that Qt finds the header-only Q_OBJECT classes.
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp
       ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
  if(LAYER_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${LAYER_EXCLUDE}")
  endif()
  set(target mousecfg_${folder})
  add_library(${target} STATIC ${sources} ${LAYER_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  set(links "")
  foreach(used IN LISTS LAYER_USES)
    list(APPEND links mousecfg_${used})
  endforeach()
  target_link_libraries(${target} PUBLIC ${links} ${LAYER_LIBRARIES})
  set_property(GLOBAL APPEND PROPERTY MOUSECFG_LAYERS "${folder}: ${LAYER_USES}")
endfunction()

# Writes the declared layers, one "folder: used folders" line each, for check_layers.py.
function(mousecfg_write_layer_map path)
  get_property(layers GLOBAL PROPERTY MOUSECFG_LAYERS)
  string(REPLACE ";" "\n" text "${layers}")
  file(WRITE ${path} "${text}\n")
endfunction()
