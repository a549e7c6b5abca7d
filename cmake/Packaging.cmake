# The Debian package, made by running "cpack" in the build tree. It holds the
# "installed" component only: the program in /usr/bin and what it ships in
# /usr/share/tastrum. It never writes into users' folders, so it needs no
# maintainer scripts and removing it leaves every pupil's data alone.

# Debian programs find their libraries in the system folders: the packaged
# program drops the search path that the program folder's copy keeps.
install(CODE [[file(RPATH_REMOVE FILE "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/tastrum")]]
        COMPONENT installed EXCLUDE_FROM_ALL)

# The package's version comes from the project; its changelog must say what
# is in that version.
file(STRINGS ${PROJECT_SOURCE_DIR}/data/changelog newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "^tastrum \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "data/changelog needs an entry for version ${PROJECT_VERSION} at the top")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};installed;/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_PACKAGE_NAME tastrum)
set(CPACK_PACKAGE_VENDOR "Tastrum developers")
set(CPACK_PACKAGE_CONTACT "Tastrum developers <dev@tastrum.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "touch-typing tutor for Polish pupils")
set(CPACK_PACKAGE_DESCRIPTION [[
Tastrum teaches touch typing on the Polish keyboard, lesson by lesson.
A pupil picks their name, chooses a lesson and copies its lines key by key,
with the next key and its finger shown on an on-screen keyboard. Time,
speed and errors are shown while typing, and each run ends with a grade
from 1 to 5.

Every run is kept for the pupil and a statistics window charts the
progress. Teachers can write their own lessons as plain text files, and a
school can keep all pupils' results in one shared folder.]])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tastrum.org/")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Help and the documents lessons open are shown by xdg-open, and only
# xdg-utils gives it on Debian. Qt's own texts (context menus, file dialogs)
# come in Polish from its translations; Wayland sessions need its plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
