# Helpers shared by the test, benchmark and fuzz folders.

# tallyra_add_qtest(NAME SOURCES src... [LIBS lib...] [LABELS label...] [ENV VAR=value...])
# A Qt Test executable registered with ctest. Tests run headless unless a
# label "x11" says they need the X server that tools/test.sh starts.
# A sanitized build leaves out the tests it does not run (tools/test.sh):
# those over every number ("exhaustive") and those on the X server.
function(tallyra_add_qtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
  if(TALLYRA_SANITIZE AND ("exhaustive" IN_LIST T_LABELS OR "x11" IN_LIST T_LABELS))
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set(env ${T_ENV})
  if(NOT "x11" IN_LIST T_LABELS)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}" ENVIRONMENT "${env}")
endfunction()

# Adds every sub-folder of the current source folder that has a CMakeLists.txt.
function(tallyra_add_area_folders)
  file(GLOB entries LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT entries)
  foreach(entry IN LISTS entries)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${entry}/CMakeLists.txt)
      add_subdirectory(${entry})
    endif()
  endforeach()
endfunction()

# tallyra_find_test_package(PACKAGE DEBIAN_PACKAGE)
# Finds a package that only the tests or benchmarks need; stops the configure
# with the Debian package to install when it is missing, so a build that asks
# for tests never goes without them.
function(tallyra_find_test_package package debian_package)
  find_package(${package} QUIET)
  if(NOT ${package}_FOUND)
    message(FATAL_ERROR "${package} not found. The tests and benchmarks need the Debian package "
      "${debian_package} (tools/install-deps.sh test); to build only the program, configure "
      "with -DTALLYRA_TESTS=OFF as tools/run.sh does.")
  endif()
endfunction()

# tallyra_skip_when_tools_missing(TEST...)
# These checks exit 77 when a tool or font they need is not installed: ctest
# counts that as skipped, except under TALLYRA_STRICT_CHECKS (the test
# command), where a check that did not run is a failure.
function(tallyra_skip_when_tools_missing)
  if(NOT TALLYRA_STRICT_CHECKS)
    set_tests_properties(${ARGN} PROPERTIES SKIP_RETURN_CODE 77)
  endif()
endfunction()

# tallyra_require_tool(VARIABLE WHAT)
# For a check that is left out when its tool is missing: under
# TALLYRA_STRICT_CHECKS the configure stops instead.
function(tallyra_require_tool variable what)
  if(NOT ${variable} AND TALLYRA_STRICT_CHECKS)
    message(FATAL_ERROR "${what} is missing (tools/install-deps.sh test assets)")
  endif()
endfunction()
