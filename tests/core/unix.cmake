# The Wine drive table, relative links and the start of Unix tools. The Unix
# tool is a shell script beside the test program that records its arguments.
set(QUARVELIN_RECORD_ARGS ${CMAKE_BINARY_DIR}/tests/record-args.sh)
file(WRITE ${QUARVELIN_RECORD_ARGS}
"#!/bin/sh
# Writes its arguments, one per line after their count, to $QUARVELIN_ARGS_OUT.
out=\"$QUARVELIN_ARGS_OUT\"
{ echo \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$out.part\" && mv \"$out.part\" \"$out\"
")
file(CHMOD ${QUARVELIN_RECORD_ARGS} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
quarvelin_test(core_unix_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WineDrivesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/UnixExecTest.cpp
  LIBS qcoregui
  TIMEOUT 60)
