# Pellinova's project, index run with letter files and XML export, and the
# search of the source folder, with Pellinova's texts and profile.
quarvelin_test(pellinova_test OWN_MAIN
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PellinovaTestMain.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ProjectTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/IndexRunTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/XmlExportTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/FileSearchTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/UmgebungTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ProjektDialogTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PageSelectionTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/MainWindowTest.cpp
          $<TARGET_OBJECTS:pellinova_texts> $<TARGET_OBJECTS:pellinova_forms> $<TARGET_OBJECTS:qcoregui_forms>
          $<TARGET_OBJECTS:desktop_shared_forms> $<TARGET_OBJECTS:desktop_project_forms>
  LIBS qpellinova
  TIMEOUT 120)

# The built Pellinova.exe in batch mode on a sample site, in each mode, and
# the exit codes with what is left on disk.
quarvelin_test(pellinova_e2e
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/BatchE2ETest.cpp
  LIBS qplatform_base
  TIMEOUT 240)
add_dependencies(pellinova_e2e Pellinova)
