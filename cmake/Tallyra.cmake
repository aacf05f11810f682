# Helpers shared by the test, benchmark and fuzz folders.

# tallyra_add_qtest(NAME SOURCES src... [LIBS lib...] [LABELS label...] [ENV VAR=value...])
# A Qt Test executable registered with ctest. Tests run headless unless a
# label "x11" says they need the X server that tools/test.sh starts.
function(tallyra_add_qtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
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
