# Where an install puts the game, and what the game learns of it at build time.
include(GNUInstallDirs)

# One id names the desktop entry, the AppStream component and the icon.
set(TILIMI_APP_ID org.tilimi.Tilimi)

# A Debian package puts games in /usr/games; an install from the build tree
# puts the game in CMAKE_INSTALL_BINDIR (bin/, on the PATH of ~/.local and
# /usr/local alike).
set(TILIMI_PACKAGE_BINDIR games)

# The file that tells an installed game from a copy in a build or unpacked
# folder: the game looks for it at a fixed path from its own folder
# (src/settings/SettingsFolder). The folders are relative to the prefix, so
# the path between them holds for whatever prefix the install is given.
set(TILIMI_MARKER ${CMAKE_INSTALL_DATADIR}/tilimi/installed)
foreach(dir IN ITEMS CMAKE_INSTALL_BINDIR CMAKE_INSTALL_DATADIR)
    if(IS_ABSOLUTE "${${dir}}")
        message(FATAL_ERROR "${dir} must be relative to the prefix, so an installed game can find its marker")
    endif()
endforeach()
cmake_path(RELATIVE_PATH TILIMI_MARKER BASE_DIRECTORY ${CMAKE_INSTALL_BINDIR}
           OUTPUT_VARIABLE TILIMI_INSTALLED_MARKER)
cmake_path(RELATIVE_PATH TILIMI_MARKER BASE_DIRECTORY ${TILIMI_PACKAGE_BINDIR}
           OUTPUT_VARIABLE marker_from_package_bindir)
if(NOT marker_from_package_bindir STREQUAL TILIMI_INSTALLED_MARKER)
    message(FATAL_ERROR "The game in ${TILIMI_PACKAGE_BINDIR} and in ${CMAKE_INSTALL_BINDIR} would look for "
                        "its marker in different places; give both folders the same depth")
endif()
