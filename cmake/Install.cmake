# Installation as a desktop program and the Debian package.
#
#   cmake --install <build> --prefix <prefix>   the program, its menu entry and icons
#   cpack -G DEB   (in the build folder)         tallyra_<version>_<arch>.deb
#
# Installs bin/tallyra, share/applications/tallyra.desktop, the icon in the
# hicolor theme (scalable SVG and the rendered PNG sizes), the AppStream
# metainfo, the copyright file (Debian's machine-readable format), the
# changelog, the command tallyra-text and the manual pages of both commands.
# Nothing else: the inspector and the tests stay in the build.

if(NOT TARGET tallyra)
  return()   # core-only builds have no program to install
endif()

include(GNUInstallDirs)

# Installing needs the program only: "make install" and cpack do not build
# every test and benchmark first. Build the program before installing.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(tallyra_packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(tallyra_icon_dir ${PROJECT_SOURCE_DIR}/resources/icon)

# Who answers for the package: its Maintainer field, the signature of the
# changelog's entries and the copyright file's Upstream-Contact.
set(TALLYRA_CONTACT "The Tallyra developers <tallyra@example.org>")

install(TARGETS tallyra tallyra-text RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (cpack, "cmake --install --strip") strips the programs as
# Debian's dh_strip does: beside the symbols, the compiler's .comment and the
# .note section go too (lintian's binary-has-unneeded-section).
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  foreach(program tallyra tallyra-text)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                            --strip-unneeded \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endif()")
install(FILES ${tallyra_packaging_dir}/tallyra.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${tallyra_packaging_dir}/tallyra.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The copyright file quotes the fonts' licence from resources/fonts/OFL.txt,
# in the format's indented form (an empty line is " .").
set(TALLYRA_COPYRIGHT_YEAR 2026)
file(READ ${PROJECT_SOURCE_DIR}/resources/fonts/OFL.txt TALLYRA_OFL_TEXT)
string(STRIP "${TALLYRA_OFL_TEXT}" TALLYRA_OFL_TEXT)
string(REGEX REPLACE "[ \t]*\n" "\n " TALLYRA_OFL_TEXT " ${TALLYRA_OFL_TEXT}")
string(REGEX REPLACE "\n \n" "\n .\n" TALLYRA_OFL_TEXT "${TALLYRA_OFL_TEXT}")
string(REGEX REPLACE "\n \n" "\n .\n" TALLYRA_OFL_TEXT "${TALLYRA_OFL_TEXT}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/fonts/OFL.txt)
configure_file(${tallyra_packaging_dir}/copyright.in ${PROJECT_BINARY_DIR}/packaging/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tallyra)

# The changelog (from CHANGELOG) and the manual pages (from packaging/man/),
# written compressed into the build when installing (cmake/PackageDocs.cmake),
# then installed like any other file.
set(tallyra_docs_dir ${PROJECT_BINARY_DIR}/packaging/docs)
install(CODE "execute_process(COMMAND \"${CMAKE_COMMAND}\" \"-DSOURCE_DIR=${PROJECT_SOURCE_DIR}\"
                                \"-DOUTPUT_DIR=${tallyra_docs_dir}\" \"-DVERSION=${PROJECT_VERSION}\"
                                \"-DCONTACT=${TALLYRA_CONTACT}\" -P \"${PROJECT_SOURCE_DIR}/cmake/PackageDocs.cmake\"
                              COMMAND_ERROR_IS_FATAL ANY)")
install(FILES ${tallyra_docs_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tallyra)
file(GLOB tallyra_manual_pages CONFIGURE_DEPENDS ${tallyra_packaging_dir}/man/*.1)
foreach(page IN LISTS tallyra_manual_pages)
  get_filename_component(name ${page} NAME)
  install(FILES ${tallyra_docs_dir}/${name}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

set(tallyra_hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${tallyra_icon_dir}/tallyra.svg DESTINATION ${tallyra_hicolor}/scalable/apps)
file(GLOB tallyra_icon_pngs CONFIGURE_DEPENDS ${tallyra_icon_dir}/tallyra-*.png)
foreach(png IN LISTS tallyra_icon_pngs)
  get_filename_component(stem ${png} NAME_WE)
  string(REGEX REPLACE "^tallyra-([0-9]+)$" "\\1" size ${stem})
  install(FILES ${png} DESTINATION ${tallyra_hicolor}/${size}x${size}/apps RENAME tallyra.png)
endforeach()

# The Debian package. Its library dependencies come from dpkg-shlibdeps
# (package dpkg-dev); the fonts are the ones the window asks for by name:
# DejaVu Sans stands in for "Verdana", the URW fonts bring "Symbol" (Morse code).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tallyra developers")
set(CPACK_PACKAGE_CONTACT "${TALLYRA_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number signs of other cultures")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TALLYRA_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-urw-base35")
# Qt's own texts (standard menus, the command line's help) in the desktop's
# language; the program carries its own translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION
    "Type a whole number from 0 to 79999 and see it written at once in 134
numeral systems on five pages: scripts (Arabic, Bengali, Tibetan, Hebrew,
Amharic, Kanji, Gujarati, Georgian ...), ancient systems (Egyptian, Attic,
Maya, Assyrian, Hieratic, Linear B, Brahmi, Sumerian), codes (Braille,
Morse, Semaphore, Post code) and fictional worlds.

A small desktop program for exploring and teaching how other cultures
write numbers.")

include(CPack)
