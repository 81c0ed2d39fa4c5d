# scripts/wine-run starts a program in the caller's locale (ctest fixes its
# own for the test programs).
add_test(NAME wine_run_locale COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine_run_locale.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(wine_run_locale PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
