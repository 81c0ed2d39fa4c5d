# The window half of the class library: stored layouts, forms, controls and
# the message pump. A resource-only module beside the test program holds other
# layouts of the same forms, as a language module does.
quarvelin_test(platform_gui_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FormLayoutTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/FormTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/testforms.rc
          ${CMAKE_CURRENT_LIST_DIR}/ControlUpdateTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/updateforms.rc
  PLATFORM_GUI
  TIMEOUT 120)
quarvelin_resource_module(platform_gui_test_forms platform_gui_test_forms .dll
  ${CMAKE_CURRENT_LIST_DIR}/testforms_module.rc)
add_dependencies(platform_gui_test platform_gui_test_forms)
