# The Debian package: scripts/package.sh runs cpack on an installed Release build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvanta)
set(CPACK_PACKAGE_VENDOR "Quorvell Software")
set(CPACK_PACKAGE_CONTACT "Quorvell Software <support@quorvell.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Paycheck calculator for a payroll clerk")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Calculates, prints and records employees' paychecks for the 2008 tax year: federal,\n"
  " state and local withholding, pay stubs and checks, a year-to-date ledger.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The printouts are set in Arial's metric twin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_PACKAGE_INSTALL_DIRECTORY corvanta)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
