quarvelin_test(core_texts_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/TextsTest.cpp $<TARGET_OBJECTS:corvanta_texts>
          ${CMAKE_SOURCE_DIR}/pellinova/Texts.cpp ${CMAKE_SOURCE_DIR}/tessarel/Texts.cpp
  LIBS qcoregui)
