# Tessarel's engine: project and settings files, the encoding, the tokeniser
# and its filters, the analysis run and its pages, the command line.
quarvelin_test(tessarel_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WordsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ProjectTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/AnalysisTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/CommandLineTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/EngineTestMain.cpp
          $<TARGET_OBJECTS:tessarel_texts>
          $<TARGET_OBJECTS:tessarel_forms>
          $<TARGET_OBJECTS:desktop_shared_forms>
          $<TARGET_OBJECTS:qcoregui_forms>
  LIBS qtessarel
  OWN_MAIN
  TIMEOUT 120)
set_tests_properties(tessarel_test PROPERTIES RESOURCE_LOCK "clipboard;tessarel_dialog")
# Tessarel's windows: the main window's commands, the analysis settings, the
# wizard and the stop-list editors, through the modal seam.
quarvelin_test(tessarel_windows_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SettingsDialogTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/MainWindowTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/WindowsTestMain.cpp
          $<TARGET_OBJECTS:tessarel_texts>
          $<TARGET_OBJECTS:tessarel_forms>
          $<TARGET_OBJECTS:desktop_shared_forms>
          $<TARGET_OBJECTS:qcoregui_forms>
  LIBS qtessarel
  OWN_MAIN
  TIMEOUT 120)
# Both programs use the interactive project beside the test programs.
set_tests_properties(tessarel_windows_test PROPERTIES RESOURCE_LOCK "clipboard;tessarel_dialog")
