# The Debian package: scripts/package.sh runs cpack on an installed Release build. Version and
# maker come from cmake/program_info.cmake.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvanta)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "${CORVANTA_MAKER}")
set(CPACK_PACKAGE_CONTACT "${CORVANTA_MAKER} <${CORVANTA_MAKER_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Paycheck calculator for a payroll clerk")
# One string, its lines within 80 columns: the first is the summary above.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Calculates, prints and records employees' paychecks for the 2008 tax\n"
  "year: federal, state and local withholding, pay stubs and checks, and a\n"
  "year-to-date ledger. Pay runs for every employee, the payroll register\n"
  "and backups of the working folder.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The printouts are set in Arial's metric twin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_PACKAGE_INSTALL_DIRECTORY corvanta)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)

# What Debian asks of every package besides the program: its copyright and its changelog
# (compressed) in /usr/share/doc/corvanta.
find_program(GZIP gzip REQUIRED)
set(package_doc "${CMAKE_BINARY_DIR}/share/doc/corvanta")
configure_file("${PROJECT_SOURCE_DIR}/data/debian/copyright.in" "${package_doc}/copyright" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/data/debian/changelog.in" "${package_doc}/changelog" @ONLY)
add_custom_command(OUTPUT "${package_doc}/changelog.gz"
  COMMAND ${GZIP} -9 -n -f -k "${package_doc}/changelog"
  DEPENDS "${package_doc}/changelog" VERBATIM)
add_custom_target(package_doc ALL DEPENDS "${package_doc}/changelog.gz")
install(FILES "${package_doc}/copyright" "${package_doc}/changelog.gz"
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvanta)
