file(GLOB QPLATFORM_BASE_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/base/*.cpp)
add_library(qplatform_base STATIC ${QPLATFORM_BASE_SOURCES})
target_link_libraries(qplatform_base PUBLIC advapi32 kernel32 user32 delay_ole32 delay_oleaut32 uuid)
