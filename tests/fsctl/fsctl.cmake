# The file-system list controls, on folders below the temp path and on
# Wine's own drives.
quarvelin_test(fsctl_test GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FsControlsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/fsforms.rc
  LIBS qcoregui qfsctl
  TIMEOUT 60)
