# polaride_layer(NAME [QT] [LINKS libs...])
# The library NAME made of every .cpp below the folder NAME (with QT also its headers,
# for moc). Its headers are included as "NAME/file.h" through the folder
# ${CMAKE_BINARY_DIR}/layers/NAME, which holds nothing but a link to NAME: a library
# reaches its own headers and those of the libraries it links, never those of a layer
# above it, so an upward include fails to compile.
function(polaride_layer name)
  cmake_parse_arguments(ARG "QT" "" "LINKS" ${ARGN})
  set(patterns ${PROJECT_SOURCE_DIR}/${name}/*.cpp)
  if(ARG_QT)
    list(APPEND patterns ${PROJECT_SOURCE_DIR}/${name}/*.h)
  endif()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${patterns})
  add_library(${name} STATIC ${sources})
  polaride_layer_includes(${name} PUBLIC ${name})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
endfunction()

# polaride_layer_includes(TARGET SCOPE FOLDER): "FOLDER/file.h" reachable from TARGET.
function(polaride_layer_includes target scope folder)
  set(root ${CMAKE_BINARY_DIR}/layers/${folder})
  if(NOT EXISTS ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()
