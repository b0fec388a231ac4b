# Plug-ins are shared modules built from frame/ plus their own sources, with their
# resource script compiled by a real resource compiler and embedded in the module.
find_program(VEXA_WINDRES NAMES llvm-windres-14 llvm-windres REQUIRED)

function(vexa_embed_resources target rc_file)
  get_filename_component(rc_abs ${rc_file} ABSOLUTE)
  get_filename_component(rc_dir ${rc_abs} DIRECTORY)
  set(res ${CMAKE_CURRENT_BINARY_DIR}/${target}.res)
  set(cpp ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp)
  # Resource scripts include per-subsystem fragments, headers and pictures from their folders.
  file(GLOB_RECURSE rc_inputs CONFIGURE_DEPENDS ${rc_dir}/*.h ${rc_dir}/*.rc ${rc_dir}/*.bmp ${rc_dir}/*.ico ${rc_dir}/*.htm)
  add_custom_command(
    OUTPUT ${res}
    COMMAND ${VEXA_WINDRES} --codepage=65001 -I ${rc_dir} -I ${PROJECT_SOURCE_DIR}/host/include
            ${rc_abs} -O res -o ${res}
    DEPENDS ${rc_abs} ${rc_inputs} ${PROJECT_SOURCE_DIR}/host/include/win/resource_styles.h
    VERBATIM)
  add_custom_command(
    OUTPUT ${cpp}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${res} -DOUTPUT=${cpp} -P ${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake
    DEPENDS ${res} ${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake
    VERBATIM)
  target_sources(${target} PRIVATE ${cpp})
endfunction()

# Plug-in code reaches the stand-in API, the frame and its own folder, never the repository
# root (so neither host/sim nor another plug-in's folder): its include root holds links to
# frame/ and to the folder of the CMakeLists.txt that calls this.
function(vexa_plugin_include_root target scope)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${CMAKE_BINARY_DIR}/plugin_include/${folder})
  file(MAKE_DIRECTORY ${root})
  foreach(linked frame ${folder})
    if(NOT EXISTS ${root}/${linked})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${linked} ${root}/${linked} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} ${scope} ${root})
endfunction()

# name: the module file name (VexaOrdo …); sources: the plug-in's own files.
function(vexa_add_plugin name)
  cmake_parse_arguments(P "" "RESOURCES" "SOURCES" ${ARGN})
  add_library(${name} MODULE ${P_SOURCES})
  set_target_properties(${name} PROPERTIES PREFIX "" CXX_VISIBILITY_PRESET hidden
                        VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${name} PRIVATE vexa_frame vexa_frame_support)
  vexa_plugin_include_root(${name} PRIVATE)
  if(P_RESOURCES)
    vexa_embed_resources(${name} ${P_RESOURCES})
  endif()
  set_target_properties(${name} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/plugins)
  set_property(GLOBAL APPEND PROPERTY VEXA_PLUGINS ${name})
endfunction()
