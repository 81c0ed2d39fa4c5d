# Corvanta as a program: the command line, the help contexts, the page merge
# and the fetch filter, the run steps, the pages over HTTP, and the batch run
# in the test process against a site on 127.0.0.1.
if(TARGET qcorvanta)
  quarvelin_test(corvanta_test GUI
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/CommandLineTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SiteFetchTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/RunStepsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BatchTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PageSourceTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/MainWindowTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/MainCommandsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/WizardFlowTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/WizardCommandTest.cpp
            ${CMAKE_SOURCE_DIR}/tests/net/LocalServer.cpp
            $<TARGET_OBJECTS:corvanta_forms>
            $<TARGET_OBJECTS:desktop_shared_forms>
            $<TARGET_OBJECTS:desktop_project_forms>
    LIBS qcorvanta ws2_32
    TIMEOUT 180)
endif()
