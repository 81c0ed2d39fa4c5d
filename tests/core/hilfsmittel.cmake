# Text, directory and file-copy utilities; the copy drives the real progress
# window, so the application is initialised as at start-up.
quarvelin_test(core_hilfsmittel_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/HilfsmittelTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/EntitiesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/CopyFileTest.cpp
          ${CMAKE_SOURCE_DIR}/tests/support/GuiTestMain.cpp
          $<TARGET_OBJECTS:qcore_forms>
          $<TARGET_OBJECTS:corvanta_texts>
  LIBS qcore
  OWN_MAIN
  TIMEOUT 60)
