# The layering rules over the #include lines of every source
# (check_layers.sh lists them).
add_test(NAME layering COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check_layers.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(layering PROPERTIES TIMEOUT 60)
