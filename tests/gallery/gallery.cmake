# The gallery: every stored form of the three programs and the class
# library's sample forms (every *.form in this folder, named after its form
# class), drawn on a virtual X display by scripts/gallery.sh into
# build/gallery/<program>/<form>.png and checked on the way (LayoutCheck.h).
file(GLOB GALLERY_SAMPLE_FORMS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.form)
set(GALLERY_SAMPLES_RC "#pragma code_page(65001)\n")
foreach(form ${GALLERY_SAMPLE_FORMS})
  get_filename_component(form_class ${form} NAME_WE)
  string(TOUPPER ${form_class} form_resource)
  string(APPEND GALLERY_SAMPLES_RC "${form_resource} FORM \"${form}\"\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/gallery_samples.rc CONTENT "${GALLERY_SAMPLES_RC}")

add_library(gallery_rules STATIC ${CMAKE_CURRENT_LIST_DIR}/LayoutCheck.cpp ${CMAKE_CURRENT_LIST_DIR}/PngFile.cpp)
# The sample forms show the programs' own pictures (coregui/pictures.rc).
# The programs' text tables (without their strings, which the gallery reads
# from the programs themselves), for the texts that code puts into forms.
add_executable(gallery ${CMAKE_CURRENT_LIST_DIR}/Gallery.cpp ${CMAKE_CURRENT_BINARY_DIR}/gallery_samples.rc
               ${CMAKE_SOURCE_DIR}/coregui/pictures.rc ${CMAKE_SOURCE_DIR}/corvanta/Texts.cpp
               ${CMAKE_SOURCE_DIR}/pellinova/Texts.cpp ${CMAKE_SOURCE_DIR}/tessarel/Texts.cpp)
target_link_libraries(gallery PRIVATE gallery_rules qcoregui qplatform_gui qfsctl)
set_target_properties(gallery PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_dependencies(gallery Corvanta Pellinova Tessarel)
add_test(NAME gallery
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/gallery.sh $<TARGET_FILE:gallery> ${CMAKE_BINARY_DIR}/gallery
          platform=$<TARGET_FILE:gallery> corvanta=$<TARGET_FILE:Corvanta>
          pellinova=$<TARGET_FILE:Pellinova> tessarel=$<TARGET_FILE:Tessarel>)
# About 100 forms at a fifth of a second each for their paint to settle: on
# a slow machine running the other tests beside it, minutes. It starts first.
set_tests_properties(gallery PROPERTIES TIMEOUT 900 COST 1000)

quarvelin_test(gallery_rules_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/GalleryRulesTest.cpp
  LIBS gallery_rules
  TIMEOUT 60)
