# The program's version (the project's) and its maker, defined once: the generated header
# "base/core/program_info.h" gives them to the code (the About box, the printouts' notice,
# corvanta-cli --version), and the package, the manual pages and the software-centre metadata
# take them from here.
set(CORVANTA_MAKER "Quorvell Software")
string(TOUPPER "${CORVANTA_MAKER}" CORVANTA_MAKER_CAPS)
set(CORVANTA_MAKER_WEB "www.quorvell-software.example")
set(CORVANTA_MAKER_EMAIL "support@quorvell-software.example")

set(CORVANTA_GENERATED_INCLUDE "${CMAKE_BINARY_DIR}/generated")
configure_file("${CMAKE_CURRENT_LIST_DIR}/program_info.h.in"
  "${CORVANTA_GENERATED_INCLUDE}/base/core/program_info.h" @ONLY)
