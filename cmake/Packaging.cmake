# The Debian package, made by `cmake --build build --target package`:
# tilimi_<version>-<release>_<arch>.deb with the game in /usr/games and the
# rest under /usr/share (the Game and Debian install components; the Local
# one is for `cmake --install` only).
# Who answers for the package: a packager sets it, as
# `cmake -DTILIMI_MAINTAINER="Name <address>" build`. The default is under the
# reserved example.org domain, so it plainly reaches nobody.
set(TILIMI_MAINTAINER "Tilimi packager <packager@example.org>" CACHE STRING
    "The Debian package's maintainer and upstream contact, as Name <address>")
set(TILIMI_DEB_RELEASE 1)
set(TILIMI_DEB_VERSION "${PROJECT_VERSION}-${TILIMI_DEB_RELEASE}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tilimi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TILIMI_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle of colour pairs")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Game Debian)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TILIMI_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The summary is the first line; CPack indents the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Тилими (Tilimi) hides 12 or 24 pairs of colours under a board of bevelled
tiles, 6 by 4 or 8 by 6. A press turns a tile face up; two tiles of one
colour vanish, and of two different colours the older one turns back.
The game can also play by itself, lets the player shape the tiles, shows
a mandala and plays music. Its texts are in Russian.")
# The libraries the game links come from dpkg-shlibdeps; what it only loads
# at run time does not show there: GStreamer's plugins and a sound output for
# the music, the X11 platform plugin, the condensed font of the window and the
# Russian texts of Qt's dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-pulseaudio | gstreamer1.0-alsa, fonts-dejavu-extra, qt6-qpa-plugins, qt6-translations-l10n")
# On a Wayland desktop the game runs natively with Qt's Wayland platform;
# without it Qt falls back to X11 through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
