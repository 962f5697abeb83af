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
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
