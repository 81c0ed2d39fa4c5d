# Web retrieval: the socket component with its SOCKS and line layers, the
# HTTP client and the site walker, against servers on 127.0.0.1 inside the
# test process (the servers use WinSock directly; the component loads it by
# name).
if(TARGET qnet)
  quarvelin_test(net_test GUI
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/LocalServer.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SocketTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SocksLineTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/HttpTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/HttpReplyTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/WalkerTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PageBodiesTest.cpp
    LIBS qnet qcoregui ws2_32  # qcoregui for the GUI test main only: qnet needs none of it
    TIMEOUT 180)
endif()
