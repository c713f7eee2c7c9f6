# GoogleTest for the core tests. Natively the installed package is used. In a
# cross build the installed libraries are for the build machine, so GoogleTest
# is built from Debian's sources (package googletest) along with the tests.
if(CMAKE_CROSSCOMPILING)
  set(VOLTRAIL_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH
      "GoogleTest sources, built with the tests in cross builds")
  if(NOT EXISTS ${VOLTRAIL_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${VOLTRAIL_GTEST_SOURCE_DIR} "
                        "(Debian: apt-get install googletest)")
  endif()
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${VOLTRAIL_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(lib gtest gtest_main)
    if(NOT TARGET GTest::${lib})
      add_library(GTest::${lib} ALIAS ${lib})
    endif()
  endforeach()
else()
  find_package(GTest REQUIRED)
endif()
