# The Debian package natalis_<version>_amd64.deb, made by CPack (scripts/package.sh). Its
# dependencies: the shared libraries the program links, found by dpkg-shlibdeps, and the data
# packages it reads at run time.
set(NATALIS_MAINTAINER "Los autores de Natalis <natalis@localhost>"
    CACHE STRING "Maintainer field of the Debian package")
set(NATALIS_PACKAGE_DIR ${CMAKE_BINARY_DIR} CACHE PATH "Folder CPack writes the package to")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME natalis)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Los autores de Natalis")
set(CPACK_PACKAGE_CONTACT "${NATALIS_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cartas natales, direcciones, progresiones y tránsitos")
# The extended description; CPack puts the summary above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Natalis es un programa de astrología con la interfaz en castellano. Guarda
una biblioteca de cartas natales y para la carta elegida calcula y dibuja la
rueda natal, con sus casas y aspectos; calcula direcciones, progresiones y
tránsitos, y responde órdenes sin pantalla (listados, JSON, imágenes).")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${NATALIS_PACKAGE_DIR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Run-time data: the ephemeris files, the fonts the windows ask for, the time-zone database
# and the Qt platform plugins (only recommended by Qt, but
# without them no window opens).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "swe-standard-data, fonts-dejavu-core, fonts-liberation2, tzdata, qt6-qpa-plugins")
include(CPack)
