# The shared desktop layer's tests link qdesktop and no program. The layer
# reads its texts through core::Txt from the running program's string table;
# GUI (tests/CMakeLists.txt) links Corvanta's as that host.
# The forms all three programs share (about box, word entry, keyword and
# description review, stop-word editor) and the rules behind them, through
# the modal seam.
quarvelin_test(desktop_dialogs_test GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WordEditsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/WordDialogsTest.cpp
          $<TARGET_OBJECTS:desktop_shared_forms>
          $<TARGET_OBJECTS:desktop_review_forms>
  LIBS qdesktop
  TIMEOUT 120)
