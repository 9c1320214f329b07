# The Debian package: `cpack` in a build folder makes quillmark_<version>_amd64.deb.
# No maintainer scripts: dpkg's triggers of shared-mime-info, desktop-file-utils
# and the icon theme refresh their caches whenever a package installs into
# their folders, and lintian flags packages that call the tools themselves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "Quillmark developers")
set(CPACK_PACKAGE_CONTACT "${QM_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "template planner for Dark Age of Camelot")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmark Classic plans a character's equipment for the online role-playing
game Dark Age of Camelot. It adds up every bonus of the items in the nineteen
equipment slots, compares each total with its cap and shows what is missing,
what is in use and what is wasted over the cap. Items come from the bundled
item vault, are typed in by hand or are spellcrafted from gems.

The package holds the desktop program quillmark and quillmark-cli, which runs
every calculation from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A planner for a game, not a game: lintian keeps "games" for packages with
# programs in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QM_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The folders of the package as dpkg expects them, whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
