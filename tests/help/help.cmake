# The help contexts and the help pages as installed beside the built
# programs: every named page and anchor, the links between the pages, the
# code page, and (with HTML Tidy) that each page is sound HTML.
quarvelin_test(help_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/HelpPagesTest.cpp
  LIBS qcoregui qpellinova qtessarel
  TIMEOUT 60)
add_dependencies(help_test Corvanta Pellinova Tessarel)

# CI must run every page check; elsewhere a missing tool only skips its own.
if(DEFINED ENV{QUARVELIN_CI})
  set(help_missing_tool FATAL_ERROR)
else()
  set(help_missing_tool WARNING)
endif()

find_program(QUARVELIN_TIDY tidy)
if(QUARVELIN_TIDY)
  add_test(NAME help_tidy
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/tidy.sh ${QUARVELIN_TIDY} ${CMAKE_BINARY_DIR}/install)
  set_tests_properties(help_tidy PROPERTIES TIMEOUT 60)
else()
  message(${help_missing_tool} "tidy not found: the help pages are not checked as HTML (bash scripts/setup.sh installs it)")
endif()

# The built programs in batch mode: the Help button of a retry question
# opens its page in a Unix browser (the recording script of unix.cmake).
quarvelin_test(help_e2e
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/HelpE2ETest.cpp
          ${CMAKE_SOURCE_DIR}/tests/net/LocalServer.cpp
  LIBS qplatform_base ws2_32
  TIMEOUT 240)
add_dependencies(help_e2e Corvanta Pellinova Tessarel)

# The pages in headless Chromium (with the search tests' browser client):
# the frame page, and screenshots of a few pages in the build folder.
find_program(QUARVELIN_NODE node)
find_program(QUARVELIN_CHROMIUM chromium)
if(QUARVELIN_NODE AND QUARVELIN_CHROMIUM)
  add_test(NAME help_browser COMMAND ${QUARVELIN_NODE} --test ${CMAKE_CURRENT_LIST_DIR}/pages.test.js)
  set_tests_properties(help_browser PROPERTIES TIMEOUT 120
    ENVIRONMENT "HELP_INSTALL=${CMAKE_BINARY_DIR}/install;HELP_OUT=${CMAKE_BINARY_DIR}/tests/help;CHROMIUM=${QUARVELIN_CHROMIUM}")
else()
  message(${help_missing_tool} "node or chromium not found: the help pages are not opened in a browser (bash scripts/setup.sh installs them)")
endif()
