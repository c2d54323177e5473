# What a desktop needs besides the program (icon, desktop entry, AppStream
# data, manual page, copyright and changelog), and the Debian package that
# `cpack -G DEB` (scripts/package) makes of all installed files.
find_program(PLIVEX_GZIP gzip REQUIRED)

# Debian wants these compressed at best, without a name or time inside, so the
# same text gives the same bytes.
set(PLIVEX_GZIPPED)
foreach(doc plivex.1 changelog)
  set(gz ${CMAKE_BINARY_DIR}/packaging/${doc}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND ${PLIVEX_GZIP} -9 -n -c ${CMAKE_SOURCE_DIR}/packaging/${doc} > ${gz}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${doc}
    COMMENT "Compressing ${doc}")
  list(APPEND PLIVEX_GZIPPED ${gz})
endforeach()
add_custom_target(package_docs ALL DEPENDS ${PLIVEX_GZIPPED})

install(FILES packaging/installed.txt DESTINATION ${PLIVEX_INSTALL_DIR})
install(FILES packaging/plivex.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/example.quorna.Plivex.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/plivex.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${PLIVEX_ICON_SIZES})
  install(FILES ${PLIVEX_ICON_DIR}/plivex-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME plivex.png)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/packaging/plivex.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/plivex)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plivex)
set(CPACK_PACKAGE_VENDOR Quorna)
set(CPACK_PACKAGE_CONTACT "Quorna <support@quorna.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor of website menu data files")
set(CPACK_PACKAGE_DESCRIPTION
  "Quorna Ostrel Plivex builds the menus of four JavaScript website-menu engines
(Ostrel Menu, Ostrel Tree Menu, Ostrel Tabs, Ostrel Tab Menu): a tree of items
with their parameters and individual styles, shown working in a live preview
and saved as the .js data file a web page loads after the engine script.
.
Its command line checks, normalises, previews and imports data files in a
site build without a display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://plivex.quorna.example/)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links come from its binary (Debian's web engine
# library brings its helper process package along); the engine's resources
# and locales are files it opens, so their package is named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6webengine6-data")
# Help and "Open in Browser" hand their pages to the desktop's default browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
