# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by scripts/package.sh as build/qv3n_<version>_<arch>.deb:
# the program, qv3n-cli, the virtual radio, the desktop entry, the .chann file
# type, the icon, the software-centre entry, the manual pages, the completion
# of qv3n-cli, a udev rule that opens programming cables to the user, and the
# copyright and changelog files every Debian package carries.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qv3n)
set(CPACK_PACKAGE_VENDOR "Quillmere Radio Workshop")
set(CPACK_PACKAGE_CONTACT "Quillmere Radio Workshop <dev@qv3n.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming software for QV3N handheld radios")
set(CPACK_PACKAGE_DESCRIPTION "Reads the memory of a QV3N radio through a USB programming cable, edits its
128 channels, radio-wide settings, frequency mode, frequency range and FM
presets, keeps them in .chann files or as readable YAML texts, prints channel
lists and writes the memory back, in Chinese and English. With the
command-line tool qv3n-cli and a virtual radio for trying the program without
a cable.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
# The Qt and yaml-cpp libraries the programs link, found by dpkg-shlibdeps; the SVG plugins
# draw the icons; without a font that covers Chinese the Chinese captions are
# boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei")
# Qt's own dialogs in Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/postinst ${CMAKE_CURRENT_LIST_DIR}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_STRIP_FILES TRUE)

if(UNIX AND NOT APPLE)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/60-qv3n-cables.rules DESTINATION lib/udev/rules.d)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
    # The changelog in Debian's format, made from CHANGELOG.md.
    set(QV3N_DEBIAN_CHANGELOG ${CMAKE_BINARY_DIR}/packaging/changelog)
    qv3n_changelog(debian QV3N_DEBIAN_CHANGELOG_TEXT qv3n "${CPACK_PACKAGE_CONTACT}")
    file(WRITE ${QV3N_DEBIAN_CHANGELOG} "${QV3N_DEBIAN_CHANGELOG_TEXT}")
    execute_process(COMMAND gzip -9nf ${QV3N_DEBIAN_CHANGELOG} COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${QV3N_DEBIAN_CHANGELOG}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME qv3n)
endif()

include(CPack)
