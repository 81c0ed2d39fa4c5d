# The program settings file. An English language module is built beside the
# test program (core_settings_test.ENU); there is no German one.
quarvelin_test(core_settings_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SettingsTest.cpp
          $<TARGET_OBJECTS:corvanta_texts>
  LIBS qcore
  TIMEOUT 60)
add_library(core_settings_module_ENU MODULE ${CMAKE_CURRENT_LIST_DIR}/LanguageModuleENU.rc)
set_target_properties(core_settings_module_ENU PROPERTIES
  PREFIX "" OUTPUT_NAME core_settings_test SUFFIX ".ENU"
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
  LINKER_LANGUAGE C)
target_link_options(core_settings_module_ENU PRIVATE -nostdlib -Wl,--entry=0)
add_dependencies(core_settings_test core_settings_module_ENU)
