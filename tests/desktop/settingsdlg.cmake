# The project settings and environment dialogs, with Corvanta's string table
# as host (dialogs.cmake says why): their rules on projects and settings
# files on disk, and the forms through the modal seam.
# The environment dialog's tests register browsers in the App Paths.
quarvelin_test(desktop_settingsdlg_test GUI MACHINE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProjektDialogTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/UmgebungDialogTest.cpp
          $<TARGET_OBJECTS:desktop_shared_forms>
          $<TARGET_OBJECTS:desktop_project_forms>
  LIBS qdesktop
  TIMEOUT 120)
