# One library per folder of the program, built from every .cpp in it.
function(zemlox_library name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(zemlox_${name} STATIC ${srcs})
  target_include_directories(zemlox_${name} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
  target_link_libraries(zemlox_${name} PUBLIC ${ARG_LINKS})
endfunction()
