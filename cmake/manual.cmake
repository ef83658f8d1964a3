# The manual: written once in docs/manual/*.md, turned into the help window's HTML pages and
# into the two manual pages at build time.
find_program(CMARK_GFM cmark-gfm REQUIRED)
find_program(GZIP gzip REQUIRED)
set(manual_src "${PROJECT_SOURCE_DIR}/docs/manual")
set(help_out "${CMAKE_BINARY_DIR}/share/corvanta/help")
set(man_out "${CMAKE_BINARY_DIR}/share/man/man1")

# Chapters in reading order; the help window's contents follow index.md.
set(CORVANTA_CHAPTERS index getting-started calculator-window employee-list employee-dialog
  state-tax local-tax ledger printing leave-and-overtime register-window files starting
  command-line payroll)
# Pictures the chapters show, taken by scripts/screenshots.sh into docs/.
file(GLOB manual_pictures CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/docs/*.png")

set(help_pages)
foreach(chapter IN LISTS CORVANTA_CHAPTERS)
  set(page "${help_out}/${chapter}.html")
  add_custom_command(OUTPUT "${page}"
    COMMAND ${CMAKE_COMMAND} -DCMARK=${CMARK_GFM} -DSOURCE=${manual_src}/${chapter}.md
      -DTEMPLATE=${manual_src}/page.html.in -DOUTPUT=${page} -P ${PROJECT_SOURCE_DIR}/cmake/help_page.cmake
    DEPENDS "${manual_src}/${chapter}.md" "${manual_src}/page.html.in"
      "${PROJECT_SOURCE_DIR}/cmake/help_page.cmake" VERBATIM)
  list(APPEND help_pages "${page}")
endforeach()
foreach(picture IN LISTS manual_pictures)
  get_filename_component(name "${picture}" NAME)
  add_custom_command(OUTPUT "${help_out}/${name}"
    COMMAND ${CMAKE_COMMAND} -E copy "${picture}" "${help_out}/${name}" DEPENDS "${picture}")
  list(APPEND help_pages "${help_out}/${name}")
endforeach()

# corvanta(1): starting the program and its files; corvanta-cli(1): the command-line chapter.
set(man_pages)
foreach(page_entry "corvanta|starting,files|the paycheck calculator for a payroll clerk"
             "corvanta-cli|command-line,payroll|calculate, print and record paychecks from the command line")
  string(REPLACE "|" ";" parts "${page_entry}")
  list(GET parts 0 program)
  list(GET parts 1 chapters)
  list(GET parts 2 summary)
  string(REPLACE "," ";" chapters "${chapters}")
  set(sources)
  foreach(chapter IN LISTS chapters)
    list(APPEND sources "${manual_src}/${chapter}.md")
  endforeach()
  string(REPLACE ";" "," source_arg "${sources}")
  set(page "${man_out}/${program}.1")
  # Installed compressed, as Debian keeps manual pages.
  add_custom_command(OUTPUT "${page}" "${page}.gz"
    COMMAND ${CMAKE_COMMAND} -DCMARK=${CMARK_GFM} "-DSOURCES=${source_arg}" -DPROGRAM=${program}
      "-DSUMMARY=${summary}" -DVERSION=${PROJECT_VERSION} -DOUTPUT=${page}
      -P ${PROJECT_SOURCE_DIR}/cmake/man_page.cmake
    COMMAND ${GZIP} -9 -n -f -k "${page}"
    DEPENDS ${sources} "${PROJECT_SOURCE_DIR}/cmake/man_page.cmake" VERBATIM)
  list(APPEND man_pages "${page}.gz")
endforeach()

add_custom_target(manual ALL DEPENDS ${help_pages} ${man_pages})
install(DIRECTORY "${help_out}/" DESTINATION ${CMAKE_INSTALL_DATADIR}/corvanta/help)
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
