# The indexers' project on the desktop layer, with Corvanta's string table
# as host (dialogs.cmake says why): the project dialogs' rules without
# windows, the folder and new-project dialogs through the modal seam, the
# wizard's order of pages, the page merge, the run steps and the status
# pages' values.
quarvelin_test(desktop_project_test GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProjectDialogRulesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/FolderDialogTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/NewProjectDialogTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/WizardFlowTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PageListTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/RunStepsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/StatusPagesTest.cpp
          $<TARGET_OBJECTS:desktop_shared_forms>
          $<TARGET_OBJECTS:desktop_project_forms>
  LIBS qdesktop
  TIMEOUT 120)
