# Corvanta as a program: the command line, the site walk's progress, the site
# fields, the page-selection dialog and the wizard's pages, the pages over
# HTTP, the main window with its commands and first start, and the batch run
# in the test process against a site on 127.0.0.1. The shared desktop layer's
# own tests are in tests/desktop/.
if(TARGET qcorvanta)
  quarvelin_test(corvanta_test GUI
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/CommandLineTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SiteFetchTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SiteFieldsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PageSelectionDialogTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/WizardPagesTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BatchTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PageSourceTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/MainWindowTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/MainCommandsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/FirstRunTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/WizardCommandTest.cpp
            ${CMAKE_SOURCE_DIR}/tests/net/LocalServer.cpp
            $<TARGET_OBJECTS:corvanta_forms>
            $<TARGET_OBJECTS:desktop_shared_forms>
            $<TARGET_OBJECTS:desktop_project_forms>
    LIBS qcorvanta ws2_32
    TIMEOUT 180)
endif()
