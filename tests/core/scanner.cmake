# The tokenizer of the index run: character classes, entities, tags, hostile
# pages; the entity passes and the page title against their plain definition.
quarvelin_test(core_scanner_test GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScannerTest.cpp ${CMAKE_CURRENT_LIST_DIR}/PageTitleTest.cpp
  LIBS qcoregui
  TIMEOUT 120)
