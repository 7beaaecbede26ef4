# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# What the Debian package carries beyond the program and its desktop files (a
# man page, the copyright and the changelog), and CPack's DEB settings. The
# release builds with CMAKE_INSTALL_PREFIX=/usr and CMAKE_INSTALL_BINDIR=games.
set(linux ${CMAKE_SOURCE_DIR}/app/linux)
set(generated ${CMAKE_BINARY_DIR}/debian)

# Dates come from SOURCE_DATE_EPOCH when it is set, so that builds repeat.
set(VARNEL_DEBIAN_REVISION 1)
string(TIMESTAMP VARNEL_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${linux}/varnel.6.in ${generated}/varnel.6 @ONLY)
configure_file(${linux}/changelog.Debian.in ${generated}/changelog.Debian @ONLY)
# The copyright file carries the third-party notices, as a comment of its
# Files paragraph: each line indented, each empty line a lone dot. The
# licence texts at their end are the system's own in /usr/share/common-licenses,
# named there instead, as Debian asks.
set(notices_file ${CMAKE_SOURCE_DIR}/THIRD-PARTY-NOTICES.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${notices_file})
file(READ ${notices_file} notices)
string(FIND "${notices}" "\nThe Apache License, version 2.0" texts)
string(SUBSTRING "${notices}" 0 ${texts} notices)
string(APPEND notices "\nThe Apache License, version 2.0, and the GNU General Public License,"
       "\nversion 3, are in /usr/share/common-licenses/Apache-2.0 and GPL-3.")
string(REPLACE "\n" "\n " notices " ${notices}")
string(REPLACE "\n \n" "\n .\n" VARNEL_THIRD_PARTY_NOTICES "${notices}")
configure_file(${linux}/copyright.in ${generated}/copyright @ONLY)

find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${generated}/varnel.6.gz ${generated}/changelog.Debian.gz
                   COMMAND ${GZIP} -9 -n -c ${generated}/varnel.6 > ${generated}/varnel.6.gz
                   COMMAND ${GZIP} -9 -n -c ${generated}/changelog.Debian > ${generated}/changelog.Debian.gz
                   DEPENDS ${generated}/varnel.6 ${generated}/changelog.Debian
                   COMMENT "Compressing the man page and the changelog")
add_custom_target(varnel_debian_docs ALL DEPENDS ${generated}/varnel.6.gz ${generated}/changelog.Debian.gz)
install(FILES ${generated}/varnel.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${generated}/copyright ${generated}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${linux}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME varnel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Varnel developers")
set(CPACK_PACKAGE_CONTACT "The Varnel developers <varnel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sliding puzzle of green and red pieces")
set(CPACK_PACKAGE_DESCRIPTION "Sixteen green pieces sit in a four by four square ringed by empty slots.
Buttons on the four sides shift a row or a column one step. A green piece
pushed into an empty slot turns red, and pulling the line back from the other
end brings it home. Bring all sixteen pieces home red to win.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# A Debian revision, whose changelog is changelog.Debian; the file keeps the
# plain version in its name.
set(CPACK_DEBIAN_PACKAGE_RELEASE ${VARNEL_DEBIAN_REVISION})
set(CPACK_DEBIAN_FILE_NAME varnel_${PROJECT_VERSION}_amd64.deb)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
