# Desktop integration: the entry, the hicolor icons and the AppStream metadata.
set(resources ${PROJECT_SOURCE_DIR}/resources)
install(FILES ${resources}/${HUEPREV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${resources}/${HUEPREV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${resources}/icons/hueprev-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME hueprev.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)

# A Debian package of the program: cpack --config build/<preset>/CPackConfig.cmake
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hueprev)
set(CPACK_PACKAGE_VERSION ${HUEPREV_VERSION_STRING})
set(CPACK_PACKAGE_VENDOR "The hueprev developers")
set(CPACK_PACKAGE_CONTACT "The hueprev developers <hueprev@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour nickname tester for the game Tarnvale")
# CPack puts the summary first; this is the extended description under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "hueprev shows a nickname written with colour codes (^1 for red, ^2 for green,\nand so on) in colour as you type it, and inserts codes with a row of buttons.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/hueprev/hueprev")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Library dependencies computed from the binary; the platform plugins are
# loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wine")
# Wayland desktops without XWayland need Qt's Wayland plugin; X11 ones do not.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# Qt's own words (the input's context menu) in the desktop's language.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
