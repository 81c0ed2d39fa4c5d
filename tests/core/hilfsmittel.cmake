# Text, directory and file-copy utilities (and UTF-8 pages in code page 1252);
# the copy drives the real progress window.
# The number format sets the user's separators and "Locale".
quarvelin_test(core_hilfsmittel_test GUI MACHINE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/HilfsmittelTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/EntitiesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/CopyFileTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/Utf8Test.cpp
  LIBS qcoregui
  TIMEOUT 60)
