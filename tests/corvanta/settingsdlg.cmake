# The project settings and environment dialogs: their rules on projects and
# settings files on disk, and the forms through the modal seam.
if(TARGET qcorvanta)
  # The environment dialog's tests register browsers in the App Paths.
  quarvelin_test(corvanta_settingsdlg_test GUI MACHINE
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProjektDialogTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/UmgebungDialogTest.cpp
            $<TARGET_OBJECTS:corvanta_forms>
            $<TARGET_OBJECTS:desktop_shared_forms>
            $<TARGET_OBJECTS:desktop_project_forms>
    LIBS qcorvanta
    TIMEOUT 120)
endif()
