# Installation as a desktop program and the Debian package.
#   cmake --install BUILD [--prefix DIR]   the programs, the menu entry, the
#                                          sheet file type, the icon, man pages
#   cpack -G DEB (in BUILD)                tolvane_VERSION_ARCH.deb
include(GNUInstallDirs)

set(TOLVANE_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS tolvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TOLVANE_GUI)
  install(TARGETS tolvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${TOLVANE_PACKAGING_DIR}/tolvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TOLVANE_PACKAGING_DIR}/tolvane-sheet.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${TOLVANE_PACKAGING_DIR}/icons/tolvane.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # The pictures are drawn from the SVG: rsvg-convert -w N -h N tolvane.svg -o tolvane-N.png
  foreach(size 48 256)
    install(FILES ${TOLVANE_PACKAGING_DIR}/icons/tolvane-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME tolvane.png)
  endforeach()
endif()

# Man pages carry the version; Debian keeps them compressed.
set(TOLVANE_MAN_PAGES tolvane-cli)
if(TOLVANE_GUI)
  list(APPEND TOLVANE_MAN_PAGES tolvane)
endif()
foreach(page ${TOLVANE_MAN_PAGES})
  configure_file(${TOLVANE_PACKAGING_DIR}/man/${page}.1.in ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.1.gz
                     COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/man/${page}.1 > ${CMAKE_BINARY_DIR}/man/${page}.1.gz
                     DEPENDS ${CMAKE_BINARY_DIR}/man/${page}.1 VERBATIM)
  list(APPEND TOLVANE_MAN_FILES ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
endforeach()
add_custom_target(man-pages ALL DEPENDS ${TOLVANE_MAN_FILES})
install(FILES ${TOLVANE_MAN_FILES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package. Depends: the shared libraries the programs link (found
# by dpkg-shlibdeps: Qt 6 Widgets/PrintSupport, libxlsxwriter ...), and what
# they load at run time: Qt's window-system plugins, Qt's Japanese
# translations and the fonts that stand in for "ＭＳ 明朝" and "Tahoma".
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tolvane")
set(CPACK_PACKAGE_CONTACT "Tolvane developers <tolvane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "main feeder calculation for the electrical design of buildings (Japanese)")
set(CPACK_PACKAGE_DESCRIPTION
    "Tolvane computes the low-voltage main feeders of a building: cable impedance, voltage drops (summed\n"
    "along dwelling trunks with demand factors), allowable drops, breaker, cable and main-device checks\n"
    "and the 55 %/35 % tap rule, with a built-in cable catalogue. It prints the calculation document\n"
    "(電路計算書（幹線用）), writes it as PDF and as an Excel workbook. The program speaks Japanese.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-mincho, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
