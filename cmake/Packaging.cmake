# The Debian package: cpack -G DEB in a Release build tree. It holds what
# `cmake --install` installs: the configurator, qm47, the desktop entry, the
# icons, the manual pages and the metadata. Library dependencies are computed by
# dpkg-shlibdeps (package dpkg-dev) from the programs themselves.
set(CPACK_PACKAGE_NAME qm47-configurator)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Talvar Devices")
set(CPACK_PACKAGE_CONTACT "Talvar Devices <support@talvar.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configurator for the QM-47 programmable keypad")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Records, edits and transfers the key scripts of the 23 buttons of the QM-47\n"
    "keypad, keeps configurations in .tkf files and reads them from or writes them\n"
    "to the keypad over its serial service cable. The command-line companion qm47\n"
    "does the same work for scripts and backups.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QM47_HOMEPAGE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Data the programs read at run time, which no library dependency brings: the
# keyboard layouts and the compose sequences behind the summaries of scripts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xkb-data, libx11-data")
# Qt's own texts (standard buttons, the file dialog) in the user's language;
# the programs' own catalogues are built in. Qt's wayland platform: without it
# the configurator runs through XWayland on a Wayland desktop, where its
# recording misses the desktop's shortcuts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
include(CPack)
