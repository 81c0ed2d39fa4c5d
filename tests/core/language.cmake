# The language switch, with resource-only language modules built beside the
# test program and named like it: core_language_test.ENU (English under the
# three-letter name) and core_language_test.FR (French under the two-letter
# name only). There is deliberately no German module.
# It sets the user's "Locale".
quarvelin_test(core_language_test MACHINE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/LanguageTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/LanguageProgram.rc
  LIBS qcoregui
  OWN_MAIN
  TIMEOUT 60)
foreach(lang ENU FR)
  quarvelin_resource_module(core_language_module_${lang} core_language_test .${lang}
    ${CMAKE_CURRENT_LIST_DIR}/LanguageModule${lang}.rc)
  add_dependencies(core_language_test core_language_module_${lang})
endforeach()
