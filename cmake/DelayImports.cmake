# System libraries that a run needs seldom or late (the open-file dialog, the
# shell, OLE automation, network drives, transparent pictures) are imported
# late: the first call into one loads it. Loaded at start they cost every run
# time and memory before its first window; the file dialog's library alone
# brings the print spooler, which under Wine loads the printing system with
# its TLS and Kerberos libraries (about 5 MB of a batch run's 30).
#
# quarvelin_delay_import(shell32) gives the target delay_shell32: an import
# library of every export of the toolchain's libshell32.a, resolved on first
# call. Link it where the plain library was linked.
function(quarvelin_delay_import name)
  set(target delay_${name})
  if(TARGET ${target})
    return()
  endif()
  set(dir ${CMAKE_BINARY_DIR}/delayimp)
  set(lib ${dir}/libdelay_${name}.a)
  find_library(QUARVELIN_IMPLIB_${name} ${name} REQUIRED)
  set(implib ${QUARVELIN_IMPLIB_${name}})
  if(NOT EXISTS ${lib} OR ${implib} IS_NEWER_THAN ${lib})
    execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${implib}
                    OUTPUT_VARIABLE symbols RESULT_VARIABLE failed ERROR_QUIET)
    if(failed)
      message(FATAL_ERROR "${CMAKE_NM} cannot read ${implib}")
    endif()
    string(REGEX MATCHALL "[^\n]* T [^\n]*" code "${symbols}")
    set(exports "")
    foreach(line IN LISTS code)
      string(REGEX REPLACE ".* T " "" symbol "${line}")
      string(APPEND exports "${symbol}\n")
    endforeach()
    file(MAKE_DIRECTORY ${dir})
    file(WRITE ${dir}/${name}.def "LIBRARY ${name}.dll\nEXPORTS\n${exports}")
    execute_process(COMMAND ${CMAKE_DLLTOOL} -d ${dir}/${name}.def -y ${lib}
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "${CMAKE_DLLTOOL} cannot write ${lib}")
    endif()
  endif()
  add_library(${target} STATIC IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${lib})
endfunction()

foreach(name comdlg32 shell32 ole32 oleaut32 mpr)
  quarvelin_delay_import(${name})
endforeach()
