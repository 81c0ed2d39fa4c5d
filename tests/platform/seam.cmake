# The modal seam: scripted responder, answer script and log, the real message box.
quarvelin_test(platform_seam_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SeamTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/SeamMessageDlgTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/SeamForms.rc
          ${CMAKE_SOURCE_DIR}/tests/support/GuiTestMain.cpp
          $<TARGET_OBJECTS:corvanta_texts>
  LIBS qcore qplatform_gui qfsctl
  OWN_MAIN
  TIMEOUT 60)
