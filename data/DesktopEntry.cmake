# Run by the install: writes the desktop entry from its template straight
# into DESTINATION (absolute, under DESTDIR when that is set), with Exec
# naming the installed game. Nothing is written into the build folder, which
# an install run by root would otherwise leave with files its owner cannot
# replace.
#
# In: TEMPLATE, DESTINATION, TILIMI_EXEC (absolute path of the game),
# TILIMI_APP_ID.

# A path of plain characters stands as it is; any other is quoted the way
# the desktop entry rules ask: ", `, $ and \ escaped inside the quotes, then
# every \ doubled again as the value's own escape, and % doubled for the
# field codes.
if(NOT TILIMI_EXEC MATCHES "^[A-Za-z0-9/._+-]+$")
    foreach(special IN ITEMS "\\" "\"" "`" "$")
        string(REPLACE "${special}" "\\${special}" TILIMI_EXEC "${TILIMI_EXEC}")
    endforeach()
    string(REPLACE "\\" "\\\\" TILIMI_EXEC "${TILIMI_EXEC}")
    string(REPLACE "%" "%%" TILIMI_EXEC "${TILIMI_EXEC}")
    set(TILIMI_EXEC "\"${TILIMI_EXEC}\"")
endif()
set(entry "${DESTINATION}/${TILIMI_APP_ID}.desktop")
message(STATUS "Installing: $ENV{DESTDIR}${entry}")
configure_file("${TEMPLATE}" "$ENV{DESTDIR}${entry}" @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
