# The desktop's view of the program: the menu entry, the icon, the software-centre metadata,
# and the shared data file the program copies into a new working folder.
set(CORVANTA_APP_ID "com.quorvell.Corvanta")
set(CORVANTA_SHARE "${CMAKE_BINARY_DIR}/share/corvanta")
set(CORVANTA_METAINFO "${CMAKE_BINARY_DIR}/share/metainfo/${CORVANTA_APP_ID}.metainfo.xml")

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_svg "${PROJECT_SOURCE_DIR}/data/desktop/corvanta.svg")
set(icon_dir "${CMAKE_BINARY_DIR}/share/icons/hicolor/48x48/apps")
set(icon_png "${icon_dir}/${CORVANTA_APP_ID}.png")
add_custom_command(OUTPUT "${icon_png}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${icon_dir}"
  COMMAND ${RSVG_CONVERT} -w 48 -h 48 -o "${icon_png}" "${icon_svg}"
  DEPENDS "${icon_svg}" VERBATIM)

# The program finds its data beside itself: <bin>/../share/corvanta, in the build tree as
# after installing.
configure_file("${PROJECT_SOURCE_DIR}/data/Federal08.dtt" "${CORVANTA_SHARE}/Federal08.dtt" COPYONLY)
add_custom_target(desktop_files ALL DEPENDS "${icon_png}")

install(TARGETS corvanta corvanta-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${PROJECT_SOURCE_DIR}/data/Federal08.dtt" DESTINATION ${CMAKE_INSTALL_DATADIR}/corvanta)
install(FILES "${PROJECT_SOURCE_DIR}/data/desktop/${CORVANTA_APP_ID}.desktop"
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The metadata carries the version and the maker of cmake/program_info.cmake.
configure_file("${PROJECT_SOURCE_DIR}/data/desktop/${CORVANTA_APP_ID}.metainfo.xml.in"
  "${CORVANTA_METAINFO}" @ONLY)
install(FILES "${CORVANTA_METAINFO}" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES "${icon_svg}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME "${CORVANTA_APP_ID}.svg")
install(FILES "${icon_png}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
