file(GLOB QPLATFORM_GUI_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/gui/*.cpp)
add_library(qplatform_gui STATIC ${QPLATFORM_GUI_SOURCES} ${CMAKE_CURRENT_LIST_DIR}/gui/Application.h)
set_target_properties(qplatform_gui PROPERTIES LINKER_LANGUAGE CXX)
target_link_libraries(qplatform_gui PUBLIC qplatform_base comctl32 delay_comdlg32 gdi32 user32 delay_shell32
  uuid)
