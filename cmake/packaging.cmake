# SPDX-License-Identifier: MIT
# Debian package of the installed files: `cpack -G DEB` in the build folder.
# Include at the end of the top-level CMakeLists.txt, after every install() rule.
include(GNUInstallDirs)

# The maintainer's domain stands in until the project has a site of its own; the AppStream id
# must not change once published, the home page may.
set(NICKBRIDGE_HOMEPAGE "https://nickbridge.example.org/" CACHE STRING
    "Project home page; the AppStream screenshot is main-window.png there")
set(NICKBRIDGE_APPSTREAM_ID "org.example.nickbridge")
set(NICKBRIDGE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/nickbridge)
set(NICKBRIDGE_MAN1_DIR ${CMAKE_INSTALL_MANDIR}/man1)
set(NICKBRIDGE_PACKAGE_FILES ${CMAKE_BINARY_DIR}/package-files)

# The Debian changelog's top entry is the release: its version must be the project's, and its
# date dates the manual page and the AppStream release.
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/debian/changelog nickbridge_changelog_top
     LIMIT_COUNT 1)
if(NOT nickbridge_changelog_top MATCHES "^nickbridge \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "resources/debian/changelog: the top entry must be version "
                        "${PROJECT_VERSION}, as in project(); it is: ${nickbridge_changelog_top}")
endif()
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/debian/changelog nickbridge_changelog_signature
     REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE ".*  (.*)$" "\\1" nickbridge_changelog_date "${nickbridge_changelog_signature}")
execute_process(COMMAND date --utc --date=${nickbridge_changelog_date} "+%F;%s"
                OUTPUT_VARIABLE nickbridge_release_time OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
list(GET nickbridge_release_time 0 NICKBRIDGE_RELEASE_DATE)
list(GET nickbridge_release_time 1 nickbridge_release_epoch)

# copyright in the machine-readable format, its license paragraph made from LICENSE.
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE nickbridge_copyright_line REGEX "^Copyright ")
string(REGEX REPLACE "^Copyright \\([cC]\\) " "" NICKBRIDGE_COPYRIGHT "${nickbridge_copyright_line}")
file(READ ${PROJECT_SOURCE_DIR}/LICENSE nickbridge_license)
string(REGEX REPLACE "^.*\n(Permission )" "\\1" nickbridge_license "${nickbridge_license}")
string(STRIP "${nickbridge_license}" nickbridge_license)
string(REPLACE "\n\n" "\n.\n" nickbridge_license "${nickbridge_license}")
string(REPLACE "\n" "\n " NICKBRIDGE_LICENSE_TEXT " ${nickbridge_license}")

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "NickBridge maintainers <nickbridge@example.org>")
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/copyright.in
               ${NICKBRIDGE_PACKAGE_FILES}/copyright @ONLY)
install(FILES ${NICKBRIDGE_PACKAGE_FILES}/copyright DESTINATION ${NICKBRIDGE_DOC_DIR})

# Debian wants changelog and manual pages compressed with gzip -9n (no name, no time stamp).
# `output` is the compressed file's name; the copy beside it loses its .gz.
function(nickbridge_gzip source output)
    string(REGEX REPLACE "\\.gz$" "" plain ${output})
    add_custom_command(OUTPUT ${output}
                       COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
                       COMMAND gzip -9nf ${plain}
                       DEPENDS ${source}
                       VERBATIM)
endfunction()

nickbridge_gzip(${PROJECT_SOURCE_DIR}/resources/debian/changelog
                ${NICKBRIDGE_PACKAGE_FILES}/changelog.gz)
set(nickbridge_package_outputs ${NICKBRIDGE_PACKAGE_FILES}/changelog.gz)
install(FILES ${NICKBRIDGE_PACKAGE_FILES}/changelog.gz DESTINATION ${NICKBRIDGE_DOC_DIR})

# nickbridge-convert(1) is made from the program's own --help and --version, so the two never
# disagree. It needs the built program to run, so not when cross-building.
find_program(NICKBRIDGE_HELP2MAN help2man)
if(NOT CMAKE_CROSSCOMPILING AND NICKBRIDGE_HELP2MAN)
    set(nickbridge_convert_man ${NICKBRIDGE_PACKAGE_FILES}/nickbridge-convert.1)
    add_custom_command(
        OUTPUT ${nickbridge_convert_man}.gz
        COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${nickbridge_release_epoch}
                ${NICKBRIDGE_HELP2MAN} --no-info
                --name "convert a Eudora nickname file into a Palm Desktop address import file"
                --output ${nickbridge_convert_man} $<TARGET_FILE:nickbridge-convert>
        COMMAND gzip -9nf ${nickbridge_convert_man}
        DEPENDS nickbridge-convert
        VERBATIM)
    list(APPEND nickbridge_package_outputs ${nickbridge_convert_man}.gz)
    install(FILES ${nickbridge_convert_man}.gz DESTINATION ${NICKBRIDGE_MAN1_DIR})
elseif(NOT CMAKE_CROSSCOMPILING)
    message(WARNING "help2man not found: no nickbridge-convert(1) manual page (scripts/setup.sh "
                    "installs it)")
endif()

if(NICKBRIDGE_GUI)
    configure_file(${PROJECT_SOURCE_DIR}/docs/nickbridge.1.in
                   ${CMAKE_BINARY_DIR}/generated/nickbridge.1 @ONLY)
    nickbridge_gzip(${CMAKE_BINARY_DIR}/generated/nickbridge.1
                    ${NICKBRIDGE_PACKAGE_FILES}/nickbridge.1.gz)
    list(APPEND nickbridge_package_outputs ${NICKBRIDGE_PACKAGE_FILES}/nickbridge.1.gz)
    install(FILES ${NICKBRIDGE_PACKAGE_FILES}/nickbridge.1.gz DESTINATION ${NICKBRIDGE_MAN1_DIR})

    configure_file(${PROJECT_SOURCE_DIR}/resources/nickbridge.metainfo.xml.in
                   ${NICKBRIDGE_PACKAGE_FILES}/${NICKBRIDGE_APPSTREAM_ID}.metainfo.xml @ONLY)
    install(FILES ${NICKBRIDGE_PACKAGE_FILES}/${NICKBRIDGE_APPSTREAM_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

add_custom_target(nickbridge-package-files ALL DEPENDS ${nickbridge_package_outputs})

set(CPACK_PACKAGE_NAME "nickbridge")
set(CPACK_PACKAGE_VENDOR "NickBridge")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
NickBridge converts the address book of the Eudora mail client (its
nickname file) into one comma-separated file that the Palm OS desktop
software imports as address records: names, e-mail address, postal
address, phone and fax numbers and notes, one line per nickname.

The package holds the desktop program nickbridge, where the fields to
carry over are ticked in one window, and the command-line converter
nickbridge-convert for scripts and batch use. Text is carried over byte
for byte in its 8-bit code page, never re-encoded.
]])
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "nickbridge")
set(CPACK_PACKAGE_HOMEPAGE_URL "${NICKBRIDGE_HOMEPAGE}")
set(CPACK_GENERATOR "DEB")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
# The package's dependencies come from the libraries the programs actually link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The About box's title face where "Lucida Handwriting" is missing; without it a plain face shows.
# Liberation Sans stands in for "MS Sans Serif" narrowly enough that the windows' captions fit.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dancingscript, fonts-liberation2")
include(CPack)
