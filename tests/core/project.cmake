quarvelin_test(core_project_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProjectTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PageRecordTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/TemplateTest.cpp
          ${CMAKE_SOURCE_DIR}/tests/support/GuiTestMain.cpp
          $<TARGET_OBJECTS:corvanta_texts>
          $<TARGET_OBJECTS:qcore_forms>
  LIBS qcore
  OWN_MAIN)
