# The Debian package: cpack -G DEB makes zel_<version>_<arch>.deb from the install rules.
set(CPACK_PACKAGE_NAME zel)
set(CPACK_PACKAGE_VENDOR "The Zel maintainers")
set(CPACK_PACKAGE_CONTACT "The Zel maintainers <${ZEL_MAINTAINER_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "view and change the settings of a voice-mail box")
set(CPACK_PACKAGE_DESCRIPTION
    "Zel lets the owner of one voice-mail box on a telephone voice-mail device
view and change that mailbox's settings from a computer on the same network:
language, password, extensions, operation modes, notification targets
(telephone, pager, SMS, e-mail) and message counts.
.
The package also holds zel-device, a simulator of the voice-mail device.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the Qt 6 and C++ libraries the programs link to.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (the message boxes' buttons) in the user's language; Zel's are built in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
