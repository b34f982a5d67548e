# The Debian package: `cpack -G DEB` in the build folder makes zelvano_<version>_amd64.deb
# from what `cmake --install` puts in place, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvano)
set(CPACK_PACKAGE_VENDOR "Zelvano developers")
set(CPACK_PACKAGE_CONTACT "${ZELVANO_CONTATTO}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pair a customer's articles with a supplier's catalogue")
set(CPACK_PACKAGE_DESCRIPTION "\
Zelvano puts the articles of a customer's management system beside the
articles of a supplier's catalogue and lets an office clerk decide, article
by article, which catalogue article each customer article is. A first
automatic pass pairs the articles whose codes agree; the pairs are kept in an
output file that can be reopened to go on with the work.
.
The program is a Qt 6 desktop application in Italian.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from the binary (dpkg-shlibdeps). Qt loads its platform plugins at run
# time, where shlibdeps cannot see them: on Debian 12 xcb and offscreen come with
# libqt6gui6, the others with qt6-qpa-plugins. Qt's own texts in Italian (file dialogs,
# message box buttons) are in qt6-translations-l10n; without it they show in English.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
