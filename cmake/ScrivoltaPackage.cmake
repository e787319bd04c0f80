# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by `cpack -G DEB` from the install rules
# (scripts/package.sh). Its version is the project's.

if(NOT SCRIVOLTA_MAINTAINER)
  message(STATUS "The Debian package needs a maintainer: set SCRIVOLTA_MAINTAINER, or DEBFULLNAME and DEBEMAIL")
endif()
set(CPACK_PACKAGE_NAME scrivolta)
set(CPACK_PACKAGE_VENDOR "Scrivolta developers")
set(CPACK_PACKAGE_CONTACT "${SCRIVOLTA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "touch-typing tutor for the Belgian AZERTY keyboard")
set(CPACK_PACKAGE_DESCRIPTION "\
Scrivolta teaches touch typing on the Belgian-French AZERTY keyboard. The
learner reads a phrase and types it; an on-screen keyboard shows which finger
strikes the next key, with its Shift, Alt Gr or dead key, and marks a wrong
key at once.

Each phrase is timed and scored; after every level a results window rates
the work and can print it or save it as a PDF file. Practice comes from
built-in French texts, a graded course, exercise files, any text file and a
game of falling letters. The program speaks French, English or Italian.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${SCRIVOLTA_WEB_SITE}")
set(CPACK_STRIP_FILES ON)
# Directories the install creates get the usual modes whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SCRIVOLTA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries it links do not bring: the X11 platform plugin Qt needs
# to open a window, the fonts the keyboard and texts are drawn in, and the
# sound library, which the program loads only when a sound server answers,
# and SQLite, which it loads when the history is first opened.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core, fonts-symbola, libpulse0, libsqlite3-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, xdg-utils")

include(CPack)
