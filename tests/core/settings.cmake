# The program settings file. An English language module is built beside the
# test program (core_settings_test.ENU); there is no German one.
# It registers browsers and editors in the App Paths, which every settings
# file that names no existing tool looks up.
quarvelin_test(core_settings_test MACHINE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SettingsTest.cpp
          $<TARGET_OBJECTS:corvanta_texts>
  LIBS qcoregui
  TIMEOUT 60)
quarvelin_resource_module(core_settings_module_ENU core_settings_test .ENU
  ${CMAKE_CURRENT_LIST_DIR}/LanguageModuleENU.rc)
add_dependencies(core_settings_test core_settings_module_ENU)
