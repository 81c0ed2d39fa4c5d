# The project file and object, page records, glossary, template descriptor.
quarvelin_test(core_project_test GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProjectTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PageRecordTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/TemplateTest.cpp
  LIBS qcoregui)
