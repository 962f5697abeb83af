# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, as Debian's own checker expects one: a stripped program, a machine-readable
# copyright file, a changelog, manual pages in English and Bulgarian, and the teacher's guide.
# cpack -G DEB in the build tree.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/morvela)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Morvela <dev@${MORVELA_PUBLISHER}>")
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/copyright.in
    ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright DESTINATION ${doc_dir})
install(FILES ${CMAKE_BINARY_DIR}/doc/guide.bg.html DESTINATION ${doc_dir})

# Debian keeps changelogs and manual pages compressed, without a time stamp in the gzip header.
find_program(GZIP gzip REQUIRED)
function(morvela_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${GZIP} -9nc ${source} > ${output}
        DEPENDS ${source}
        VERBATIM)
endfunction()
set(packaging_dir ${CMAKE_BINARY_DIR}/packaging)
morvela_gzip(${PROJECT_SOURCE_DIR}/packaging/debian/changelog ${packaging_dir}/changelog.gz)
# The manual pages name the version and the day of its release.
configure_file(${PROJECT_SOURCE_DIR}/doc/morvela.1.in ${packaging_dir}/morvela.en.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/doc/morvela.bg.1.in ${packaging_dir}/morvela.bg.1 @ONLY)
morvela_gzip(${packaging_dir}/morvela.en.1 ${packaging_dir}/en/morvela.1.gz)
morvela_gzip(${packaging_dir}/morvela.bg.1 ${packaging_dir}/bg/morvela.1.gz)
file(MAKE_DIRECTORY ${packaging_dir}/en ${packaging_dir}/bg)
add_custom_target(packaging_docs ALL DEPENDS ${packaging_dir}/changelog.gz
    ${packaging_dir}/en/morvela.1.gz ${packaging_dir}/bg/morvela.1.gz)
install(FILES ${packaging_dir}/changelog.gz DESTINATION ${doc_dir})
install(FILES ${packaging_dir}/en/morvela.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_dir}/bg/morvela.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/bg/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvela)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${MORVELA_PUBLISHER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "how children inherit the ABO blood groups of their parents")
# Lines of at most 80 characters, as Debian's tools show them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A teaching tool for school biology, in Bulgarian. Choose the father's and
the mother's blood group, and whether a parent of group A or B is shown
homozygous or heterozygous: the window shows each parent's two alleles,
the Punnett square of the children's genotypes and the chance of each
blood group among the children. It can be used by keyboard alone and
with the Orca screen reader.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://${MORVELA_PUBLISHER}/)
# Qt's libraries come from dpkg-shlibdeps; the window's serif face is loaded at run time, and so
# is the Wayland platform plugin that a Wayland session needs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-wayland")
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/source-date.cmake)
include(CPack)
