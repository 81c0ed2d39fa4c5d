# Tessarel's engine: project and settings files, the encoding, the tokeniser
# and its filters, the analysis run and its pages, the command line.
quarvelin_test(tessarel_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WordsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ProjectTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/AnalysisTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/CommandLineTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/EngineTestMain.cpp
          $<TARGET_OBJECTS:tessarel_texts>
          $<TARGET_OBJECTS:tessarel_forms>
          $<TARGET_OBJECTS:qcore_forms>
  LIBS qtessarel
  OWN_MAIN
  TIMEOUT 120)
set_tests_properties(tessarel_test PROPERTIES RESOURCE_LOCK clipboard)
