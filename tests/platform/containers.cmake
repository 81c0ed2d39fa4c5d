# The class library's containers and fields: page control and tab sheets,
# panel, group box, radio group, spin edit, memo and edit.
quarvelin_test(platform_containers_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ContainersTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/containerforms.rc
  PLATFORM_GUI
  TIMEOUT 60)
