# Each source folder is one library; its files are globbed so that adding a
# file needs no CMake edit.
function(zenpa_library name dir)
  file(GLOB _srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
  file(GLOB _hdrs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.h)
  zenpa_library_sources(${name} "${_srcs}" "${_hdrs}" ${ARGN})
endfunction()

# The Qt layer is one library over its feature folders (ui/qt, ui/main, ...).
function(zenpa_library_tree name dir)
  file(GLOB_RECURSE _srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
  file(GLOB_RECURSE _hdrs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.h)
  zenpa_library_sources(${name} "${_srcs}" "${_hdrs}" ${ARGN})
endfunction()

function(zenpa_library_sources name _srcs _hdrs)
  add_library(${name} STATIC ${_srcs} ${_hdrs} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# One GoogleTest executable per test folder.
function(zenpa_gtest name dir)
  file(GLOB _srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*_test.cpp
       ${CMAKE_SOURCE_DIR}/tests/${dir}/support/*.cpp)
  if(NOT _srcs)
    return()
  endif()
  add_executable(${name} ${_srcs})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
