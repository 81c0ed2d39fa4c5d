# Menus, tool buttons and pictures of the class library, with the programs'
# pictures and the gallery's sample form of these kinds.
quarvelin_test(platform_menus_test PLATFORM_GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MenuTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PictureControlsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/menuforms.rc
          ${CMAKE_SOURCE_DIR}/core/pictures.rc
  TIMEOUT 60)
# windres does not report the form files it includes.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/menuforms.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/menutest.form;${CMAKE_SOURCE_DIR}/tests/gallery/TMenuSample.form")
