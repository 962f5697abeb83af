# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the staged files, before it packs them, and by scripts/windows-msi.sh on the
# MSI's (-D CPACK_TEMPORARY_DIRECTORY=... -P). When SOURCE_DATE_EPOCH is set, as a
# release sets it from its commit, every file and folder takes that time: the installer, the zip
# and the package store their files' times, which would otherwise be the time of building.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    return()
endif()
if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is '$ENV{SOURCE_DATE_EPOCH}', not a number of seconds")
endif()
if(NOT IS_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}")
    message(FATAL_ERROR "no staged files at '${CPACK_TEMPORARY_DIRECTORY}'")
endif()
execute_process(
    COMMAND find "${CPACK_TEMPORARY_DIRECTORY}" -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not date the staged files: ${status}")
endif()
