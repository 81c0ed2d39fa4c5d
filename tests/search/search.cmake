# The visitor's search form. search_dbgen writes databases with the programs'
# own writer from fixture sites into the build folder (run under Wine as the
# fixture of the other tests); Node.js then runs the search logic against them
# and checks that each parses, and headless Chromium opens the generated forms
# from disk and from a local web server.
add_library(search_dbgen_common OBJECT
  ${CMAKE_CURRENT_LIST_DIR}/DbGen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SearchSites.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/SyntheticSite.cpp)
target_link_libraries(search_dbgen_common PRIVATE qcoregui)
# Corvanta's writer, and Pellinova's with its letter files: two programs, as
# each brings its own string table.
add_executable(search_dbgen
  ${CMAKE_CURRENT_LIST_DIR}/CorvantaDbGen.cpp
  $<TARGET_OBJECTS:search_dbgen_common>
  $<TARGET_OBJECTS:corvanta_texts>
  $<TARGET_OBJECTS:qcoregui_forms>)
target_link_libraries(search_dbgen PRIVATE qcoregui)
add_executable(search_dbgen_letters
  ${CMAKE_CURRENT_LIST_DIR}/LetterDbGen.cpp
  $<TARGET_OBJECTS:search_dbgen_common>
  $<TARGET_OBJECTS:pellinova_texts>
  $<TARGET_OBJECTS:pellinova_forms>
  $<TARGET_OBJECTS:qcoregui_forms>)
target_link_libraries(search_dbgen_letters PRIVATE qpellinova)
set_target_properties(search_dbgen search_dbgen_letters PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

set(SEARCH_WORK ${CMAKE_BINARY_DIR}/tests/search)
add_test(NAME search_dbgen COMMAND search_dbgen ${QUARVELIN_INSTALL}/Pellinova/vorlage ${SEARCH_WORK}/db)
add_test(NAME search_dbgen_letters COMMAND search_dbgen_letters ${QUARVELIN_INSTALL}/Pellinova/vorlage ${SEARCH_WORK}/db)
set_tests_properties(search_dbgen search_dbgen_letters PROPERTIES TIMEOUT 120 FIXTURES_SETUP search_db)
quarvelin_wine_tests(search_dbgen search_dbgen_letters)
add_dependencies(search_dbgen wine_desktop_ready)
# The templates as installed: the shared files of the search form are in them.
add_dependencies(search_dbgen pellinova_dist)

find_program(QUARVELIN_NODE node)
if(NOT QUARVELIN_NODE)
  message(WARNING "node not found: the search form's tests are not registered (bash scripts/setup.sh installs it)")
  return()
endif()

set(SEARCH_ENV
  SEARCH_DB=${SEARCH_WORK}/db
  SEARCH_VORLAGE=${QUARVELIN_INSTALL}/Pellinova/vorlage
  SEARCH_OUT=${SEARCH_WORK})

# The search logic against every generated database; each must parse.
add_test(NAME search_node
  COMMAND ${QUARVELIN_NODE} --test ${CMAKE_CURRENT_LIST_DIR}/search.test.js)
set_tests_properties(search_node PROPERTIES TIMEOUT 120 FIXTURES_REQUIRED search_db ENVIRONMENT "${SEARCH_ENV}")

# The generated forms in headless Chromium, from file:// and from http://127.0.0.1;
# a screenshot stays in the build folder.
add_test(NAME search_browser
  COMMAND ${QUARVELIN_NODE} --test ${CMAKE_CURRENT_LIST_DIR}/browser.test.js)
set_tests_properties(search_browser PROPERTIES TIMEOUT 180 FIXTURES_REQUIRED search_db
  ENVIRONMENT "${SEARCH_ENV}")
