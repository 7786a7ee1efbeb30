# The Debian package, built by `make package` (cpack -G DEB in the build folder):
# zelvane_<version>_<arch>.deb, installing under /usr. Its dependencies are read
# from the program's shared libraries by dpkg-shlibdeps; the fonts it draws with
# are inside the program, so no font package is needed. It recommends Qt's
# Wayland platform plugin, and its translations of the toolkit's dialog texts.
set(ZELVANE_PACKAGE_MAINTAINER "Zelvane Works <maintainers@zelvane.invalid>"
  CACHE STRING "The package's maintainer, as Name <address>")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvane)
set(CPACK_PACKAGE_VENDOR "Zelvane Works")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${ZELVANE_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reference to the chemical elements")
set(CPACK_PACKAGE_DESCRIPTION "\
Zelvane shows the periodic table of the elements in one window. A click on an
element opens its page: a data sheet of its properties beside an animated
shell model of its atom. Either page can be printed, or written as PDF from
the command line; a data sheet can also be written as text.

The element data set ships with the program; no network is needed.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZELVANE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zelvane.github.io/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland platform, so that on a Wayland desktop the window is a Wayland
# window rather than one through XWayland (which still serves without it); and
# Qt's own translations, which put the toolkit's dialog texts (buttons, the file
# dialog) in German, French and Spanish (English without them).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Folders 0755 whatever the umask of the one who builds.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
