# Installing zarnet-cli with its man page and bash completion, and, in a build
# with Qt, the desktop program with its desktop entry, icon, AppStream data
# and man page; and a Debian package of the same.
include(GNUInstallDirs)

set(ZARNET_APP_ID org.zarnet.Zarnet)
set(ZARNET_DATA ${PROJECT_SOURCE_DIR}/data)

install(TARGETS zarnet-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZARNET_DATA}/bash-completion/zarnet-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
set(ZARNET_PAGES zarnet-cli.1)

if(ZARNET_QT)
  install(TARGETS zarnet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The desktop entry beside bin/ is also what tells an installed program to
  # keep its files in the user's folders.
  install(FILES ${ZARNET_DATA}/${ZARNET_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ZARNET_DATA}/${ZARNET_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${ZARNET_DATA}/icons/${ZARNET_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${ZARNET_DATA}/icons/hicolor/${size}x${size}/apps/${ZARNET_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  list(APPEND ZARNET_PAGES zarnet.1)
endif()

# Man pages go compressed, as Debian wants them.
find_program(GZIP gzip REQUIRED)
foreach(page ${ZARNET_PAGES})
  set(compressed ${CMAKE_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${GZIP} -9 -n -c ${ZARNET_DATA}/man/${page} > ${compressed}
    DEPENDS ${ZARNET_DATA}/man/${page} VERBATIM)
  list(APPEND ZARNET_MAN_PAGES ${compressed})
endforeach()
add_custom_target(zarnet_man_pages ALL DEPENDS ${ZARNET_MAN_PAGES})
install(FILES ${ZARNET_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package's own papers.
set(ZARNET_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zarnet)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND ${GZIP} -9 -n -c ${ZARNET_DATA}/debian/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
  DEPENDS ${ZARNET_DATA}/debian/changelog VERBATIM)
add_custom_target(zarnet_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${ZARNET_DATA}/debian/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${ZARNET_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zarnet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Zarnet developers <zarnet@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Writes lists of sequentially numbered addresses from a pattern: a base\n\
address that may hold a marker, values that replace it and a numbered\n\
file-name rule. The result is a plain list, an HTML page of links or an HTML\n\
page of thumbnails, shown, copied or saved in code page 932. zarnet is the\n\
desktop program; zarnet-cli offers the same generator on the command line.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/zarnet/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The series probe verifies certificates against the system's store, which
# libcurl links no package for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS ca-certificates)
if(ZARNET_QT)
  # Beyond the libraries the binaries link: Qt's platform plugins, without
  # which the window cannot start, and a Japanese font, without which every
  # label is a row of boxes. IPAPGothic is small and covers code page 932;
  # any Japanese gothic face the system already has will do. A build without
  # Qt packages zarnet-cli alone, which needs neither.
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
    ", qt6-qpa-plugins, fonts-ipafont-gothic | fonts-noto-cjk | fonts-japanese-gothic")
  # Qt's own texts in the file and font choosers, in Japanese like the rest;
  # without them those choosers speak English.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
