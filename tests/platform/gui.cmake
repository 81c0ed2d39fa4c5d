# The window half of the class library: stored layouts, forms, controls and
# the message pump. A resource-only module beside the test program holds other
# layouts of the same forms, as a language module does.
quarvelin_test(platform_gui_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FormLayoutTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/FormTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/testforms.rc
          ${CMAKE_SOURCE_DIR}/tests/support/GuiTestMain.cpp
          $<TARGET_OBJECTS:corvanta_texts>
  LIBS qcore qplatform_gui
  OWN_MAIN
  TIMEOUT 60)
add_library(platform_gui_test_forms MODULE ${CMAKE_CURRENT_LIST_DIR}/testforms_module.rc)
set_target_properties(platform_gui_test_forms PROPERTIES
  PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests LINKER_LANGUAGE C)
# No code, so no entry point.
target_link_options(platform_gui_test_forms PRIVATE -nostdlib -Wl,-e,0)
add_dependencies(platform_gui_test platform_gui_test_forms)
