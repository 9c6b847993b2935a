# `cmake --build build --target package` makes senvio_<version>_amd64.deb in the build
# folder from the install rules, with the dependencies read from the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME senvio)
set(CPACK_PACKAGE_VENDOR Senvio)
set(CPACK_PACKAGE_CONTACT "Senvio <paket@senvio.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "channel lists with station logos, printed as DIN A6 cards")
set(CPACK_PACKAGE_DESCRIPTION
    "Senvio makes printable channel lists for the television and the radio: a numbered list of stations, each with its logo, printed as DIN A6 cards for clear sleeves or saved as one picture. German user interface.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries: Qt's platform plugins (window and offscreen), the list font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, fonts-dejavu-extra")
# German texts in Qt's own dialogs; the desktop opens PDFs, pictures and folders.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
include(CPack)
