# The browser and editor launcher: DDE against an in-process server,
# automation against a fake object, started programs against the recording
# script of unix.cmake.
quarvelin_test(core_launcher_test GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/LauncherTest.cpp
  LIBS qcoregui
  TIMEOUT 90)
