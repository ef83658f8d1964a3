# One chapter of the manual as a page of the help window:
#   cmake -DCMARK=... -DSOURCE=chapter.md -DTEMPLATE=page.html.in -DOUTPUT=chapter.html -P help_page.cmake
execute_process(COMMAND ${CMARK} --to html --smart --extension table INPUT_FILE "${SOURCE}"
  OUTPUT_VARIABLE BODY RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmark-gfm could not read ${SOURCE}")
endif()
# Chapters link to each other's Markdown and show the pictures of docs/; the pages sit side by
# side with those pictures in the help folder.
string(REGEX REPLACE "href=\"([a-z0-9-]+)\\.md" "href=\"\\1.html" BODY "${BODY}")
string(REPLACE "src=\"../" "src=\"" BODY "${BODY}")
file(STRINGS "${SOURCE}" heading REGEX "^# " LIMIT_COUNT 1)
string(REGEX REPLACE "^# " "" TITLE "${heading}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
