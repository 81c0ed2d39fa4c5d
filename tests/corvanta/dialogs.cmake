# The forms Corvanta shares with Pellinova and Tessarel (about box, word
# entry, keyword and description review, stop-word editor) and the rules
# behind them, through the modal seam.
if(TARGET qcorvanta)
  quarvelin_test(corvanta_dialogs_test GUI
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/WordEditsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/WordDialogsTest.cpp
            $<TARGET_OBJECTS:desktop_shared_forms>
            $<TARGET_OBJECTS:desktop_review_forms>
    LIBS qcorvanta
    TIMEOUT 120)
endif()
