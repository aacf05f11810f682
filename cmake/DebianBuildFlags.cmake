# Debian's build flags for the optimised builds, as a Debian package of the
# program would be compiled: dpkg-buildflags (package dpkg-dev) with every
# hardening feature (hardening=+all): the stack protector, format checks,
# fortified C library calls (_FORTIFY_SOURCE), a read-only relocation table
# bound at start (-z relro -z now). The build type keeps the say over the
# optimisation and debug information, and the source paths stay as they are
# (the tests find their data through __FILE__), so -O2, -g and
# -ffile-prefix-map are left out. Debug builds (fortification needs the
# optimiser) and the sanitizer and fuzz builds (their run-time checks replace
# fortification) go without.

option(TALLYRA_DEBIAN_FLAGS "Compile and link with Debian's hardening build flags (dpkg-buildflags)" ON)

function(tallyra_debian_build_flags variable out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          ${TALLYRA_DPKG_BUILDFLAGS} --get ${variable}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^(-g|-O[0-9s]?|-ffile-prefix-map=.*|-fdebug-prefix-map=.*)$")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

if(TALLYRA_DEBIAN_FLAGS AND NOT TALLYRA_SANITIZE AND NOT TALLYRA_FUZZ)
  find_program(TALLYRA_DPKG_BUILDFLAGS dpkg-buildflags)
  if(NOT TALLYRA_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "dpkg-buildflags not found: install dpkg-dev (tools/install-deps.sh build), "
      "or configure with -DTALLYRA_DEBIAN_FLAGS=OFF")
  endif()
  tallyra_debian_build_flags(CXXFLAGS tallyra_cxxflags)
  tallyra_debian_build_flags(CPPFLAGS tallyra_cppflags)
  tallyra_debian_build_flags(LDFLAGS tallyra_ldflags)
  set(optimised $<NOT:$<CONFIG:Debug>>)
  add_compile_options("$<${optimised}:${tallyra_cxxflags};${tallyra_cppflags}>")
  add_link_options("$<${optimised}:${tallyra_ldflags}>")
  message(STATUS "Debian build flags (optimised builds): ${tallyra_cxxflags} ${tallyra_cppflags} ${tallyra_ldflags}")
endif()
