# The language switch, with resource-only language modules built beside the
# test program and named like it: core_language_test.ENU (English under the
# three-letter name) and core_language_test.FR (French under the two-letter
# name only). There is deliberately no German module.
quarvelin_test(core_language_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/LanguageTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/LanguageProgram.rc
  LIBS qcore
  OWN_MAIN
  TIMEOUT 60)
# windres does not report the form files it includes.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/LanguageProgram.rc PROPERTIES
  OBJECT_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/LanguageTestDlg.form)
foreach(lang ENU FR)
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/LanguageModule${lang}.rc PROPERTIES
    OBJECT_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/LanguageTestDlg.${lang}.form)
  add_library(core_language_module_${lang} MODULE ${CMAKE_CURRENT_LIST_DIR}/LanguageModule${lang}.rc)
  set_target_properties(core_language_module_${lang} PROPERTIES
    PREFIX "" OUTPUT_NAME core_language_test SUFFIX ".${lang}"
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    LINKER_LANGUAGE C)
  target_link_options(core_language_module_${lang} PRIVATE -nostdlib -Wl,--entry=0)
  add_dependencies(core_language_test core_language_module_${lang})
endforeach()
