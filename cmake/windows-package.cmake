# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows folder and its installer: Morvela.exe beside the Qt libraries and plugins it loads
# and the MinGW-w64 runtime, as an NSIS installer with a Start-menu shortcut and an uninstaller,
# and as a portable zip. cpack -G "NSIS;ZIP" in the build tree.

# The Qt libraries and plugins, where this Qt keeps them.
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin ${qt_core_dll} DIRECTORY)
get_filename_component(qt_prefix ${qt_bin} DIRECTORY)
install(FILES ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll DESTINATION .)
install(FILES ${qt_prefix}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_prefix}/plugins/imageformats/qjpeg.dll DESTINATION imageformats)

# The compiler's runtime, stripped of its debugging information (libstdc++ falls from 24 to 2 MB).
set(runtime_dir ${CMAKE_BINARY_DIR}/mingw-runtime)
file(MAKE_DIRECTORY ${runtime_dir})
find_program(MINGW_STRIP x86_64-w64-mingw32-strip REQUIRED)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        message(FATAL_ERROR "The MinGW-w64 runtime ${dll} was not found")
    endif()
    if(NOT EXISTS ${runtime_dir}/${dll})
        execute_process(COMMAND ${MINGW_STRIP} --strip-unneeded -o ${runtime_dir}/${dll} ${found}
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
    install(FILES ${runtime_dir}/${dll} DESTINATION .)
endforeach()

# The teacher's guide, and the licence of every part of the folder with where its source is.
install(FILES ${CMAKE_BINARY_DIR}/doc/guide.bg.html DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licenses/Morvela
    RENAME GPL-3.0-or-later.txt)
if(NOT EXISTS ${qt_prefix}/licenses/SOURCE.txt)
    message(FATAL_ERROR "This Qt has no licences folder: make it with scripts/windows-qt.sh")
endif()
install(DIRECTORY ${qt_prefix}/licenses/ DESTINATION licenses/Qt)
# Debian's copyright files of the runtime's packages hold its licences: GCC's libraries under the
# GPL with the GCC Runtime Library Exception, winpthreads under the MIT licence.
set(runtime_licences)
foreach(package gcc-mingw-w64-x86-64-posix-runtime mingw-w64-x86-64-dev)
    execute_process(COMMAND dpkg-query -W "-f=\${Version}, from Debian's source package \${source:Package} \${source:Version}" ${package}
        OUTPUT_VARIABLE version RESULT_VARIABLE failed)
    if(failed OR NOT EXISTS /usr/share/doc/${package}/copyright)
        message(FATAL_ERROR "The MinGW-w64 runtime's package ${package} is not installed")
    endif()
    string(APPEND runtime_licences "    ${package} ${version}\n")
    install(FILES /usr/share/doc/${package}/copyright DESTINATION licenses/MinGW-w64
        RENAME ${package}.txt)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/licences.txt.in
    ${CMAKE_BINARY_DIR}/licences.txt @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/licences.txt DESTINATION licenses RENAME README.txt)

# The Start-menu link to the guide, in both installers.
set(MORVELA_GUIDE_LINK "Morvela – ръководство за учителя")

# The Windows Installer package beside the NSIS one: scripts/windows-msi.sh builds it with wixl,
# then gives it its Bulgarian texts, which wixl cannot write (packaging/windows/bulgarian.sql.in).
set(MORVELA_DESCRIPTION "Как децата унаследяват кръвните групи A, B, AB и 0 от родителите си")
set(MORVELA_DOWNGRADE_MESSAGE "На този компютър вече има по-нова версия на Morvela. За да \
инсталирате тази по-стара версия, първо премахнете по-новата.")
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/bulgarian.sql.in
    ${CMAKE_BINARY_DIR}/msi-bulgarian.sql @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/morvela.wxs.in
    ${CMAKE_BINARY_DIR}/morvela.wxs @ONLY)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Morvela)
set(CPACK_PACKAGE_VENDOR ${MORVELA_PUBLISHER})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Morvela-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Morvela)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Morvela")
set(CPACK_PACKAGE_EXECUTABLES Morvela Morvela)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Morvela)
set(CPACK_NSIS_DISPLAY_NAME Morvela)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/ui/pictures/morvela.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/ui/pictures/morvela.ico)
# "Apps and features" shows this icon, the version and the publisher.
set(CPACK_NSIS_INSTALLED_ICON_NAME Morvela.exe)
set(CPACK_NSIS_URL_INFO_ABOUT https://${MORVELA_PUBLISHER}/)
# Debian's NSIS builds 32-bit installers unless told otherwise; a 64-bit program wants a 64-bit one.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# Beside the program's shortcut.
set(CPACK_NSIS_MENU_LINKS guide.bg.html "${MORVELA_GUIDE_LINK}")
# The installer in Bulgarian, from this folder's template; its script is UTF-8.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-INPUTCHARSET UTF8")
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/source-date.cmake)
include(CPack)
