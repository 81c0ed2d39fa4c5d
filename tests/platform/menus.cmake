# Menus, tool buttons and pictures of the class library, with the programs'
# pictures and the gallery's sample form of these kinds.
quarvelin_test(platform_menus_test PLATFORM_GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MenuTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PictureControlsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/menuforms.rc
          ${CMAKE_SOURCE_DIR}/coregui/pictures.rc
  TIMEOUT 60)
