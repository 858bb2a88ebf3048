# The program installed as a Linux desktop program: the menu entry, the icon at each size of the
# icon theme, the file type of the project files, and the Debian package made of it all by
# `cpack -G DEB`. The program and its data are installed by src/app; the tests, the benchmarks
# and the listing tool are never installed.

install(FILES ${DRAVEK_DATOS_DIR}/escritorio/dravek.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DRAVEK_DATOS_DIR}/escritorio/dravek.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
foreach(lado 48 128 256)
    install(FILES ${DRAVEK_DATOS_DIR}/iconos/dravek-${lado}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lado}x${lado}/apps
            RENAME dravek.png)
endforeach()

set(DRAVEK_MANTENEDOR "DRAVEK maintainers" CACHE STRING
    "Maintainer field of the Debian package (name <address>)")

set(CPACK_PACKAGE_NAME dravek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${DRAVEK_MANTENEDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mechanical design of buried concrete pressure pipes")
set(CPACK_PACKAGE_DESCRIPTION
    "DRAVEK designs buried reinforced-concrete and post-tensioned pressure pipes: test pressures, \
Marston earth and live loads, ring forces on the cradle, the wall's reinforcement or \
prestressing wire, and the listing of every case, in five interface languages.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the program links (Qt and the C++ run time) are found by dpkg-shlibdeps; what it
# cannot see is named here: the font metrically equal to Courier New of the printed listings and
# Qt's own translations of its buttons and dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
include(CPack)
