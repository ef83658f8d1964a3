# A manual page from chapters of the manual:
#   cmake -DCMARK=... -DSOURCES=a.md,b.md -DPROGRAM=name -DSUMMARY=text -DVERSION=v -DOUTPUT=name.1
#         -P man_page.cmake
# Each chapter's title is left out and its sections become the page's sections; pictures are
# left out.
string(REPLACE "," ";" SOURCES "${SOURCES}")
set(markdown "")
foreach(source IN LISTS SOURCES)
  file(READ "${source}" text)
  string(REGEX REPLACE "^# [^\n]*\n" "" text "${text}")
  string(REGEX REPLACE "\n!\\[[^]]*\\]\\([^)]*\\)[^\n]*" "" text "${text}")
  # Links to other chapters keep only their text.
  string(REGEX REPLACE "\\[([^]]*)\\]\\([a-z0-9-]+\\.md[^)]*\\)" "\\1" text "${text}")
  string(REGEX REPLACE "\n## " "\n# " text "${text}")
  string(REGEX REPLACE "\n### " "\n## " text "${text}")
  string(APPEND markdown "${text}\n")
endforeach()
set(joined "${OUTPUT}.md")
file(WRITE "${joined}" "${markdown}")
execute_process(COMMAND ${CMARK} --to man --extension table INPUT_FILE "${joined}" OUTPUT_VARIABLE body
  RESULT_VARIABLE failed)
file(REMOVE "${joined}")
if(failed)
  message(FATAL_ERROR "cmark-gfm could not read ${SOURCES}")
endif()
string(TOUPPER "${PROGRAM}" upper)
string(REPLACE "-" "\\-" name "${PROGRAM}")
file(WRITE "${OUTPUT}" "'\\\" t\n.TH ${upper} 1 \"\" \"Corvanta 2008 ${VERSION}\" \"User Commands\"\n"
  ".SH NAME\n${name} \\- ${SUMMARY}\n${body}")
