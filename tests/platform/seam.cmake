# The modal seam: scripted responder, answer script and log, the real message box.
quarvelin_test(platform_seam_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SeamTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/SeamMessageDlgTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/SeamForms.rc
  PLATFORM_GUI
  TIMEOUT 60)
