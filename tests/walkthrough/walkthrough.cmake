# Walks through the installed programs as their users do: on a virtual X
# display, driven from outside with keystrokes only (walk.sh), checked by what
# they leave on disk; a picture of every step in build/walkthrough/<program>/.
# One walk at a time: they share a Wine prefix.
add_test(NAME walkthrough_corvanta
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/corvanta.sh ${CMAKE_BINARY_DIR}/install ${CMAKE_BINARY_DIR}/walkthrough/corvanta)
set_tests_properties(walkthrough_corvanta PROPERTIES TIMEOUT 420 COST 500 SKIP_RETURN_CODE 77 RESOURCE_LOCK walkthrough)
add_test(NAME walkthrough_tessarel
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/tessarel.sh ${CMAKE_BINARY_DIR}/install ${CMAKE_BINARY_DIR}/walkthrough/tessarel)
set_tests_properties(walkthrough_tessarel PROPERTIES TIMEOUT 420 COST 500 SKIP_RETURN_CODE 77 RESOURCE_LOCK walkthrough)
add_test(NAME walkthrough_pellinova
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/pellinova.sh ${CMAKE_BINARY_DIR}/install ${CMAKE_BINARY_DIR}/walkthrough/pellinova)
set_tests_properties(walkthrough_pellinova PROPERTIES TIMEOUT 420 COST 500 SKIP_RETURN_CODE 77 RESOURCE_LOCK walkthrough)
