# List and combo boxes.
quarvelin_test(platform_lists_test GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ListControlsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/listforms.rc
  LIBS qcore qplatform_gui
  TIMEOUT 120)
