# A library made of every source of one folder (its subfolders included when they
# are not targets of their own), so that adding a file needs no edit here.
function(dj_library name dir)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  # platform/* are separate targets; keep each folder to itself.
  if(name MATCHES "^platform_")
    file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  endif()
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# One test executable per folder under tests/ that holds *_test.cpp files;
# each of its tests is registered with ctest on its own, so `ctest -j` runs
# them in parallel.
function(dj_tests)
  include(GoogleTest)
  file(GLOB_RECURSE all CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*_test.cpp)
  set(dirs "")
  foreach(f ${all})
    get_filename_component(d ${f} DIRECTORY)
    list(APPEND dirs ${d})
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  foreach(d ${dirs})
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR}/tests ${d})
    string(REPLACE "/" "_" tname "test_${rel}")
    file(GLOB srcs CONFIGURE_DEPENDS ${d}/*.cpp)
    add_executable(${tname} ${srcs} ${CMAKE_SOURCE_DIR}/tests/support/TestMain.cpp)
    target_link_libraries(${tname} PRIVATE testsupport)
    # Listed when ctest runs, not at build time: the list needs no display.
    gtest_discover_tests(${tname}
      TEST_PREFIX "${rel}:"
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 60
      PROPERTIES
        ENVIRONMENT "LANG=es_AR.UTF-8;LC_ALL=es_AR.UTF-8;QT_QPA_PLATFORM=offscreen;DJ_SCREENSHOTS=${CMAKE_BINARY_DIR}/screenshots"
        TIMEOUT 600)
  endforeach()
endfunction()
