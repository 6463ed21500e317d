# The Debian package: `cpack -G DEB` in the build tree (or plain `cpack`) makes kibbet_<version>_amd64.deb from
# what `cmake --install` lays out under /usr (every install rule without a component of its own), with the
# program in /usr/games and the copyright file and changelog Debian asks for. Those are the component "debian",
# left out of a plain `cmake --install`.

set(KIBBET_DEBIAN_REVISION 1 CACHE STRING "Debian revision of the package (the part after the dash)")
set(KIBBET_PACKAGE_MAINTAINER "Kibbet maintainers <maintainers@users.noreply.c-seed-612d4ea8.example>"
    CACHE STRING "Name <address> of whoever answers for the package")
set(KIBBET_DEBIAN_VERSION "${PROJECT_VERSION}-${KIBBET_DEBIAN_REVISION}")

# The changelog's top entry names the version it describes; a package whose version it does not name would
# carry a wrong history, so a new version needs a new changelog entry first.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog KIBBET_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT KIBBET_CHANGELOG_TOP MATCHES "^kibbet \\(${KIBBET_DEBIAN_VERSION}\\) ")
    message(FATAL_ERROR "dist/debian/changelog starts with '${KIBBET_CHANGELOG_TOP}', but the package is "
                        "${KIBBET_DEBIAN_VERSION}: add an entry for it at the top")
endif()

# Debian keeps games in /usr/games (on every user's PATH, though not on root's). From there the data is found
# the same way as from bin/, so the one relative path built into the program serves both.
file(RELATIVE_PATH KIBBET_DATA_FROM_GAMES /usr/games /usr/${CMAKE_INSTALL_DATADIR}/kibbet)
if(NOT KIBBET_DATA_FROM_GAMES STREQUAL KIBBET_DATA_FROM_BIN)
    message(FATAL_ERROR "the package's /usr/games/kibbet would look for its data in ${KIBBET_DATA_FROM_BIN}, "
                        "not in ${KIBBET_DATA_FROM_GAMES}")
endif()
install(TARGETS kibbet RUNTIME DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)

add_custom_command(OUTPUT changelog.Debian.gz
                   COMMAND gzip -9n -c ${CMAKE_CURRENT_LIST_DIR}/changelog > changelog.Debian.gz
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
add_custom_target(kibbet_debian_changelog ALL DEPENDS changelog.Debian.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kibbet COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kibbet)
set(CPACK_PACKAGE_VENDOR "Kibbet")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KIBBET_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "side-scrolling platform game with a small flying hero")
set(CPACK_PACKAGE_DESCRIPTION
    "Steer Kibbet through levels of platforms, traps, water geysers and enemies.
Run, jump, glide, fly and roll past wasps and a porcupine, collect pollen,
touch beehive checkpoints and reach each level's exit, until the bear waits
at the end of the forest.

Every picture and sound of the game is drawn and synthesised for it. It plays
with the keyboard or a game controller, full screen or in a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The package lands in the build tree wherever cpack is run from.
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES ON)
# The unnamed component (the data, menu entry, icons and metadata) and the Debian files, in one package; an
# install rule given another component stays out of the package.
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_PACKAGE_NAME kibbet)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KIBBET_DEBIAN_REVISION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KIBBET_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL opens the OpenGL libraries at run time, so dpkg-shlibdeps cannot see them in the binary.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libegl1")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
