# Corvanta's project dialogs: their rules without windows, and the forms
# through the modal seam and their controls' events.
if(TARGET qcorvanta)
  quarvelin_test(corvanta_projectdialogs_test GUI
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProjectDialogRulesTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/WizardPagesTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/FolderDialogTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/NewProjectDialogTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PageSelectionDialogTest.cpp
            ${CMAKE_SOURCE_DIR}/tests/net/LocalServer.cpp
            $<TARGET_OBJECTS:corvanta_forms>
            $<TARGET_OBJECTS:desktop_shared_forms>
            $<TARGET_OBJECTS:desktop_project_forms>
    LIBS qcorvanta ws2_32
    TIMEOUT 120)
endif()
