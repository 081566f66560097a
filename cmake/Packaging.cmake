# `make package`: a Debian package of the installed tree, built by CPack.
#
# The libraries the program links come from dpkg-shlibdeps; what it needs
# besides is named here: the menu's text is set in Arial, which fontconfig
# maps to Liberation Sans; gdk-pixbuf, opened when a user's own channel shows
# its pictures, is not linked, so dpkg-shlibdeps cannot see it.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quil-os)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quil OS developers")
set(CPACK_PACKAGE_CONTACT "${QUIL_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUIL_MAINTAINER}")
# Not "games": no game is played, the menu only looks like a console's, and
# Debian keeps that section for programs in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${QUIL_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libgdk-pixbuf-2.0-0")
# CPack indents the lines after the first, the summary.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "game console home menu for the desktop
Quil OS brings the home menu of a game console to the desktop: after a
health-and-safety warning, 48 channel tiles on four pages light up under
the pointer with a soft sound, game tiles zoom open into channel screens,
and background music plays from a five-track playlist.
.
The menu's 800 x 600 screen is shown sharp at any size in a window of its
own, or fullscreen; a game controller can drive it.")

include(CPack)
