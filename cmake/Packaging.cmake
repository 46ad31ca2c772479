# The packages: on Linux, cpack -G DEB makes zel_<version>_<arch>.deb; on Windows, cpack makes the
# installer Zel-<version>-win64-setup.exe and the portable Zel-<version>-win64.zip. All come from
# the install rules.
set(CPACK_PACKAGE_NAME zel)
set(CPACK_PACKAGE_VENDOR "${ZEL_VENDOR}")
set(CPACK_PACKAGE_CONTACT "${ZEL_VENDOR} <${ZEL_MAINTAINER_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "view and change the settings of a voice-mail box")
set(CPACK_PACKAGE_DESCRIPTION
    "Zel lets the owner of one voice-mail box on a telephone voice-mail device
view and change that mailbox's settings from a computer on the same network:
language, password, extensions, operation modes, notification targets
(telephone, pager, SMS, e-mail) and message counts.
.
The package also holds zel-device, a simulator of the voice-mail device.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR NSIS ZIP)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY Zel)
  # Names each package file (the installer's ends in -setup) as cpack runs its generator.
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/CPackPerGenerator.cmake.in
                 ${PROJECT_BINARY_DIR}/CPackPerGenerator.cmake @ONLY)
  set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackPerGenerator.cmake)
  set(CPACK_NSIS_PACKAGE_NAME Zel)
  set(CPACK_NSIS_DISPLAY_NAME Zel)
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/res/artwork/icons/zel.ico)
  set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/res/artwork/icons/zel.ico)
  set(CPACK_NSIS_INSTALLED_ICON_NAME Zel.exe)
  set(CPACK_NSIS_URL_INFO_ABOUT "https://zelproject.org")
  set(CPACK_NSIS_CONTACT "${ZEL_MAINTAINER_EMAIL}")
  # One key for every version, so that an upgrade finds the installation it replaces.
  set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Zel)
  set(CPACK_NSIS_COMPRESSOR lzma)
  # Our own installer script (NSIS.template.in): the device presets, the firewall rule, the
  # check for a running Zel and the user's language; a 64-bit installer that needs no 32-bit
  # Windows (nor 32-bit Wine).
  list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
  set(CPACK_ZEL_INSTALLER_LANGUAGES ${ZEL_INSTALLER_LANGUAGES})
  # Signing, when scripts/windows is given a key: every program, DLL and plug-in once staged,
  # the NSIS plug-ins the installer carries, the uninstaller as NSIS writes it
  # (CPackPerGenerator.cmake), the installer afterwards.
  set(CPACK_ZEL_SIGN_COMMAND ${PROJECT_SOURCE_DIR}/scripts/windows-sign)
  set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/windows/SignPrograms.cmake)
  # The Start-menu entry: Zel.exe, which sits in the installation folder itself.
  set(CPACK_PACKAGE_EXECUTABLES Zel Zel)
  set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
else()
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION net)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # dpkg-shlibdeps finds the Qt 6 and C++ libraries the programs link to.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Qt's own texts (the message boxes' buttons) in the user's language; Zel's are built in.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
endif()

include(CPack)
