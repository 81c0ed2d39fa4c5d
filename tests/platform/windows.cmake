# Forms as windows (border, place, events, focus) and the looks of labels,
# tool buttons and memos.
quarvelin_test(platform_windows_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WindowTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/windowforms.rc
  PLATFORM_GUI
  TIMEOUT 60)
