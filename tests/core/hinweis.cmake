# The progress window: its time labels and the real window under Wine.
quarvelin_test(core_hinweis_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/HinweisTest.cpp
          ${CMAKE_SOURCE_DIR}/tests/support/GuiTestMain.cpp
          $<TARGET_OBJECTS:qcore_forms>
          $<TARGET_OBJECTS:corvanta_texts>
  LIBS qcore
  OWN_MAIN
  TIMEOUT 60)
