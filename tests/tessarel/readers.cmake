# The document readers: against a fake automation object, and through our
# stand-in servers on the fixture documents (made once with an office suite).
quarvelin_test(tessarel_readers_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ReadersTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/StandInTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/EngineTestMain.cpp
          $<TARGET_OBJECTS:tessarel_texts>
          $<TARGET_OBJECTS:qcoregui_forms>
  LIBS qtessarel
  OWN_MAIN
  TIMEOUT 120)
target_compile_definitions(tessarel_readers_test PRIVATE TESSAREL_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/fixtures")
set_tests_properties(tessarel_readers_test PROPERTIES RESOURCE_LOCK clipboard)
