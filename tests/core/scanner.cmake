# The tokenizer of the index run: character classes, entities, tags, hostile pages.
quarvelin_test(core_scanner_test GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScannerTest.cpp
  LIBS qcore
  TIMEOUT 60)
