# The progress window: its time labels and the real window under Wine.
quarvelin_test(core_hinweis_test GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/HinweisTest.cpp
  LIBS qcoregui
  TIMEOUT 60)
