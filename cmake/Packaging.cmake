# The Debian package, made by CPack from the install rules:
#   cpack -G DEB        (scripts/package.sh does the whole build)
# Library dependencies come from the binaries (dpkg-shlibdeps); what the
# program only talks to at run time is recommended.

set(DIALOMETER_PACKAGE_CONTACT "Dialometer developers <dialometer@users.noreply.github.com>"
    CACHE STRING "Maintainer of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dialometer)
set(CPACK_PACKAGE_VENDOR "Dialometer developers")
set(CPACK_PACKAGE_CONTACT "${DIALOMETER_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "watch what a dial-up or metered connection costs")
set(CPACK_PACKAGE_DESCRIPTION
    "Dialometer lives in the system tray and watches the active dial-up or\n\
metered connection twice a second: duration, speed, bytes, packets,\n\
compression and a trend graph of the transfer rate. From per-provider\n\
tariff schedules it counts what the running connection costs, and every\n\
finished connection goes into a monthly statistics file.\n\
.\n\
The package also holds dialometer-cli, which reads and writes the data\n\
files, lists the statistics and dials and hangs up from a terminal.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY dialometer)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/dialometer/dialometer")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (standard buttons, dialogs) in the languages the program speaks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "network-manager | ppp, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "network-manager-gnome, bash-completion")
# Owned by root whatever user builds the package.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
