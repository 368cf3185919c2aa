# SPDX-License-Identifier: GPL-3.0-or-later
# CHANGELOG.md says what each version brought. Its newest version must be the
# one project() names; the Debian changelog, the software centre's release
# notes and the date of the manual pages are made from it.
include_guard(GLOBAL)

set(QV3N_CHANGELOG ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
set(QV3N_CHANGELOG_TOOL ${CMAKE_CURRENT_LIST_DIR}/changelog.sh)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${QV3N_CHANGELOG} ${QV3N_CHANGELOG_TOOL})

# Sets out to what "changelog.sh MODE CHANGELOG.md ARGS..." prints.
function(qv3n_changelog mode out)
    execute_process(COMMAND bash ${QV3N_CHANGELOG_TOOL} ${mode} ${QV3N_CHANGELOG} ${ARGN}
        OUTPUT_VARIABLE text ERROR_VARIABLE error RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "CHANGELOG.md: ${error}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

qv3n_changelog(version QV3N_CHANGELOG_VERSION)
string(STRIP "${QV3N_CHANGELOG_VERSION}" QV3N_CHANGELOG_VERSION)
if(NOT QV3N_CHANGELOG_VERSION STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "CHANGELOG.md's newest version is ${QV3N_CHANGELOG_VERSION}, but project() says "
        "${PROJECT_VERSION}: say in CHANGELOG.md what ${PROJECT_VERSION} brings.")
endif()
qv3n_changelog(date QV3N_RELEASE_DATE)
string(STRIP "${QV3N_RELEASE_DATE}" QV3N_RELEASE_DATE)
