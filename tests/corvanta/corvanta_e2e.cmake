# Black-box: the built Corvanta.exe in batch mode under Wine, against a site
# on 127.0.0.1 served by the test itself.
if(TARGET Corvanta)
  quarvelin_test(corvanta_e2e
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/CorvantaE2ETest.cpp
            ${CMAKE_SOURCE_DIR}/tests/net/LocalServer.cpp
    LIBS qplatform_base ws2_32
    TIMEOUT 300)
  target_compile_definitions(corvanta_e2e PRIVATE CORVANTA_EXE="$<TARGET_FILE:Corvanta>")
  add_dependencies(corvanta_e2e Corvanta)
endif()
