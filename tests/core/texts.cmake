quarvelin_test(core_texts_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/TextsTest.cpp $<TARGET_OBJECTS:corvanta_texts>
  LIBS qcore)
