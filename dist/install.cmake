# The installed layout: each program in a folder of its own below
# build/install, with what it finds beside itself (its help pages in "hilfe",
# the templates in "vorlage", its projects in "projekte"); the project's own
# pages ("homepage", "fehlerbericht") lie beside those folders, where the
# help menus look for them. Copied at every build, also when a program is up
# to date, so that an edited page is there at once.
set(QUARVELIN_INSTALL ${CMAKE_BINARY_DIR}/install)
set(QUARVELIN_DIST ${CMAKE_SOURCE_DIR}/dist)

# They take the help's style sheet.
add_custom_target(quarvelin_pages
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${QUARVELIN_DIST}/homepage ${QUARVELIN_INSTALL}/homepage
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${QUARVELIN_DIST}/fehlerbericht ${QUARVELIN_INSTALL}/fehlerbericht
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QUARVELIN_DIST}/hilfe/hilfe.css ${QUARVELIN_INSTALL}/homepage/hilfe.css
  VERBATIM)

# The templates of the standard search form: each gets the form's script,
# pages and pictures, which are the same in all of them and kept once in
# dist/suchform; a template keeps its own descriptor, start pages, script
# template and stop words.
set(QUARVELIN_SEARCH_FORMS Search_Standard Search_StandardFrame Search_StandardMega)

# quarvelin_install(<target> <Program> [SAMPLE]): SAMPLE adds the sample site
# and its project (Pellinova's).
function(quarvelin_install target name)
  cmake_parse_arguments(QI "SAMPLE" "" "" ${ARGN})
  set(dir ${QUARVELIN_INSTALL}/${name})
  string(TOLOWER ${name} program)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${dir})
  # Sections on page boundaries in the file: Wine then maps the program's
  # pages as they are touched instead of reading the whole image at start.
  target_link_options(${target} PRIVATE -Wl,--file-alignment=0x1000)
  set(commands
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${QUARVELIN_DIST}/vorlage ${dir}/vorlage)
  foreach(form IN LISTS QUARVELIN_SEARCH_FORMS)
    list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_directory ${QUARVELIN_DIST}/suchform ${dir}/vorlage/${form})
  endforeach()
  list(APPEND commands
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/projekte
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=${program} -DSOURCE=${QUARVELIN_DIST}/hilfe -DTARGET=${dir}/hilfe
            -P ${QUARVELIN_DIST}/hilfe.cmake)
  if(QI_SAMPLE)
    list(APPEND commands
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${QUARVELIN_DIST}/projekte ${dir}/projekte
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${QUARVELIN_DIST}/beispiel ${dir}/beispiel)
  endif()
  add_custom_target(${program}_dist ${commands} VERBATIM)
  add_dependencies(${program}_dist quarvelin_pages)
  add_dependencies(${target} ${program}_dist)
endfunction()
