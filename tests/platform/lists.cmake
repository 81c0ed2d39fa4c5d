# List and combo boxes.
quarvelin_test(platform_lists_test PLATFORM_GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ListControlsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/listforms.rc
  TIMEOUT 120)
