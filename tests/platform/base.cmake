quarvelin_test(platform_base_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ClockTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FilesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StringListTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/IniFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/IniIndexTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SortKeyTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CollationTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComObjectTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessagePumpTest.cpp
  LIBS qplatform_base)
