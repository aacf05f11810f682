# Writes the compressed documents the package installs, from their sources in
# the repository (run at install time, so they follow the sources without a
# build):
#   changelog.gz   CHANGELOG in the format of a Debian changelog
#   NAME.1.gz      each manual page packaging/man/NAME.1, with the version
#                  and date of CHANGELOG's latest entry filled in
# gzip -9n stores no file name and no time: the same sources give the same bytes.
#
# CHANGELOG holds entries, latest first, each a header line
# "Tallyra VERSION (YYYY-MM-DD)" followed by its "  * " items.
#
# Usage: cmake -DSOURCE_DIR=DIR -DOUTPUT_DIR=DIR -DVERSION=V -DCONTACT="Name <address>"
#              -P PackageDocs.cmake

set(header_pattern "Tallyra ([^ \n]+) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)\n")

# An ISO date as Debian's changelogs write it, "Mon, 07 Dec 2026 00:00:00 +0000".
function(rfc_date iso out)
  execute_process(COMMAND date -u -R -d "${iso}" OUTPUT_VARIABLE date
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(${out} "${date}" PARENT_SCOPE)
endfunction()

function(compress file)
  execute_process(COMMAND gzip -9nf "${file}" COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# CHANGELOG in Debian's format; the version and ISO date of its latest entry.
function(debian_changelog text out latest_version latest_date)
  set(result "")
  set(rest "${text}")
  while(NOT rest STREQUAL "")
    if(NOT rest MATCHES "^${header_pattern}(.*)$")
      string(REGEX MATCH "^[^\n]*" line "${rest}")
      message(FATAL_ERROR "CHANGELOG: \"${line}\" is not a line \"Tallyra VERSION (YYYY-MM-DD)\"")
    endif()
    set(version ${CMAKE_MATCH_1})
    set(iso ${CMAKE_MATCH_2})
    set(after "${CMAKE_MATCH_3}")
    if(NOT DEFINED first_version)
      set(first_version ${version})
      set(first_date ${iso})
    endif()
    string(FIND "${after}" "\nTallyra " next)
    if(next EQUAL -1)
      set(items "${after}")
      set(rest "")
    else()
      string(SUBSTRING "${after}" 0 ${next} items)
      math(EXPR next "${next} + 1")
      string(SUBSTRING "${after}" ${next} -1 rest)
    endif()
    string(REGEX REPLACE "^\n+" "" items "${items}")
    string(REGEX REPLACE "[ \n]+$" "" items "${items}")
    rfc_date(${iso} date)
    if(NOT result STREQUAL "")
      string(APPEND result "\n")
    endif()
    string(APPEND result "tallyra (${version}) unstable; urgency=medium\n\n${items}\n\n -- ${CONTACT}  ${date}\n")
  endwhile()
  set(${out} "${result}" PARENT_SCOPE)
  set(${latest_version} "${first_version}" PARENT_SCOPE)
  set(${latest_date} "${first_date}" PARENT_SCOPE)
endfunction()

file(READ "${SOURCE_DIR}/CHANGELOG" changelog)
debian_changelog("${changelog}" changelog TALLYRA_VERSION TALLYRA_DATE)
if(NOT TALLYRA_VERSION STREQUAL VERSION)
  message(FATAL_ERROR "CHANGELOG: the latest entry is ${TALLYRA_VERSION}, not the program's version "
                      "${VERSION}; add an entry \"Tallyra ${VERSION} (YYYY-MM-DD)\" at the top")
endif()
file(MAKE_DIRECTORY "${OUTPUT_DIR}")
file(WRITE "${OUTPUT_DIR}/changelog" "${changelog}")
compress("${OUTPUT_DIR}/changelog")

file(GLOB pages "${SOURCE_DIR}/packaging/man/*.1")
foreach(page IN LISTS pages)
  get_filename_component(name "${page}" NAME)
  file(READ "${page}" text)
  string(CONFIGURE "${text}" text @ONLY)
  file(WRITE "${OUTPUT_DIR}/${name}" "${text}")
  compress("${OUTPUT_DIR}/${name}")
endforeach()
