# The Debian package, made by CPack from the install rules:
#   cmake --workflow --preset deb
# The deb preset installs below /usr with the programs in /usr/games.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrelon-memory)
set(CPACK_PACKAGE_VENDOR "Kestrelon Memory developers")
set(CPACK_PACKAGE_CONTACT "Kestrelon Memory developers <developers@kestrelon.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://kestrelon.example/)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "memory card game: find the pairs among thirty-six cards")
# CPack indents each line and turns an empty one into " ."; lintian wants
# lines of at most 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Kestrelon Memory is a memory card game for one player. Thirty-six cards\n"
       "lie face down, eighteen pictures on two cards each. Turn two cards per\n"
       "turn: equal pictures stay face up, different ones turn back after a\n"
       "moment.\n"
       "\n"
       "The game measures the time and counts the clicks, and a finished game\n"
       "enters a list of twelve high scores, ranked by time or by clicks. It plays\n"
       "short sound cues and can be played with the keyboard alone.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the Qt libraries the programs link. It cannot see the
# plugins Qt loads at run time: the window needs the platform plugins (only
# recommended by libqt6gui6); the sound's plugins ship in libqt6multimedia6.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
