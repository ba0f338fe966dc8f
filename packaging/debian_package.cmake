# The .deb CPack makes from the install rules (scripts/package): orvalis_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvalis)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ORVALIS_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ORVALIS_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the programs link, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no library link tells: Qt's platform plugins (xcb, wayland), its own dialogs'
# translations, the fonts the windows and the pictures painted at other sizes use, and
# xdg-open for the documents.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2, fonts-dejavu-core, fonts-urw-base35, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "classroom simulation of chemical reaction kinetics
Tarvon shows the kinetic-molecular model at work for secondary-school
chemistry: atoms and molecules move, collide and react in a closed box, and
only collisions with close contact in a suitable orientation turn reactants
into products. Four reactions are offered (iron(II) oxide, ammonia, hydrogen
iodide, mercury(II) oxide). Students count the particles of each species,
record the counts against time, find the order of a reaction and follow the
mechanism of the first effective collision.
.
The launcher, Orvalis, measures how many particles the computer animates in
time before it starts the simulation. The interface is in Catalan, Spanish
and English. The package also holds tarvon-sim, which runs a reaction without
a window and prints its data table.")
include(CPack)
