# quarvelin_program(<Program> LINK <libraries...> [FORMS <object libraries...>]
#                   [SAMPLE])
# One of the programs, from its folder: its texts (strings.rc, the string
# table, and Texts.cpp, the mapping of the shared texts), the stored layouts
# of its forms (forms.rc), the static library q<program> of everything but the
# entry, linked to LINK, and the executable from main.cpp with the layouts of
# the forms it shares (FORMS), installed with SAMPLE as quarvelin_install
# takes it. Texts and layouts are linked as objects so that the resources are
# not dropped from a static library.
function(quarvelin_program name)
  cmake_parse_arguments(PARSE_ARGV 1 QP "SAMPLE" "" "LINK;FORMS")
  string(TOLOWER ${name} program)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})

  add_library(${program}_texts OBJECT ${dir}/strings.rc ${dir}/Texts.cpp)
  add_library(${program}_forms OBJECT ${dir}/forms.rc)

  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(REMOVE_ITEM sources ${dir}/main.cpp ${dir}/Texts.cpp)
  add_library(q${program} STATIC ${sources})
  target_link_libraries(q${program} PUBLIC ${QP_LINK})

  set(objects "")
  foreach(library ${program}_texts ${program}_forms ${QP_FORMS})
    list(APPEND objects $<TARGET_OBJECTS:${library}>)
  endforeach()
  add_executable(${name} WIN32 ${dir}/main.cpp ${objects})
  target_link_libraries(${name} PRIVATE q${program})
  if(QP_SAMPLE)
    quarvelin_install(${name} ${name} SAMPLE)
  else()
    quarvelin_install(${name} ${name})
  endif()
endfunction()
