# The built Tessarel.exe in batch mode under Wine: keyword pages, the ".ERR"
# file and the exit codes, on a folder with one document of each kind, a
# broken PDF and a plain text file.
add_test(NAME tessarel_e2e
  COMMAND ${CMAKE_COMMAND} -E env ${QUARVELIN_TEST_LOCALE} ${CMAKE_COMMAND}
    -DTESSAREL_EXE=$<TARGET_FILE:Tessarel>
    -DWINE_RUN=${CMAKE_SOURCE_DIR}/scripts/wine-run
    -DFIXTURES=${CMAKE_CURRENT_LIST_DIR}/fixtures
    -P ${CMAKE_CURRENT_LIST_DIR}/TessarelE2E.script)
# The clipboard is one for all programs of the Wine desktop: the tests that
# extract documents through it must not run side by side.
set_tests_properties(tessarel_e2e PROPERTIES TIMEOUT 300 RESOURCE_LOCK clipboard)
quarvelin_wine_tests(tessarel_e2e)
