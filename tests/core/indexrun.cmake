# The index run and the JavaScript database writer, with the real progress
# window under Wine.
quarvelin_test(core_indexrun_test GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/IndexRunTest.cpp
  LIBS qcoregui
  TIMEOUT 120)
