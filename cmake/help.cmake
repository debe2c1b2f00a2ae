# SPDX-License-Identifier: GPL-3.0-or-later
# The program's help files, compiled HTML help made at build time with chmcmd (Debian: fp-utils):
# Tarvel.chm, Odstupanja.chm and Troskovi.chm are written by tarvel-helpgen from the data and
# routines the program computes with; Upute.chm holds the guide written in help/upute with the
# menus, toolbar and keyboard pages that tarvel-helpgen adds. They go beside the program in a
# build tree (bin/) and into share/tarvel when installed, the places the program looks for help.
include(GNUInstallDirs)

find_program(TARVEL_CHMCMD chmcmd)
if(NOT TARVEL_CHMCMD)
    message(WARNING "chmcmd (fp-utils) not found: the help files are not built or installed")
    return()
endif()

# The generator is a build tool: it stays out of bin/, which holds what the program ships.
file(GLOB TARVEL_HELPGEN_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/helpgen/*.cpp)
add_executable(tarvel-helpgen ${TARVEL_HELPGEN_SOURCES})
target_link_libraries(tarvel-helpgen PRIVATE tarvel_core tarvel_options)
set_target_properties(tarvel-helpgen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(TARVEL_HELP_SOURCES ${PROJECT_SOURCE_DIR}/help/upute)
set(TARVEL_HELP_WORK ${CMAKE_BINARY_DIR}/help)
set(TARVEL_HELP_SCREENSHOT ${PROJECT_SOURCE_DIR}/docs/screenshot.png)
file(GLOB_RECURSE TARVEL_HELP_GUIDE CONFIGURE_DEPENDS ${TARVEL_HELP_SOURCES}/*)

# Each help file: its folder under help/ in the build tree and its name.
set(TARVEL_HELP_BOOKS tarvel:Tarvel odstupanja:Odstupanja troskovi:Troskovi upute:Upute)
set(TARVEL_HELP_PROJECTS)
foreach(book ${TARVEL_HELP_BOOKS})
    string(REPLACE ":" ";" parts ${book})
    list(GET parts 0 folder)
    list(GET parts 1 name)
    list(APPEND TARVEL_HELP_PROJECTS ${TARVEL_HELP_WORK}/${folder}/${name}.hhp)
endforeach()

add_custom_command(OUTPUT ${TARVEL_HELP_PROJECTS}
                   COMMAND tarvel-helpgen ${TARVEL_HELP_WORK} ${TARVEL_HELP_SOURCES}
                           ${TARVEL_HELP_SCREENSHOT}
                   DEPENDS tarvel-helpgen ${TARVEL_HELP_GUIDE} ${TARVEL_HELP_SCREENSHOT}
                   COMMENT "Help pages" VERBATIM)

set(TARVEL_HELP_FILES)
foreach(book ${TARVEL_HELP_BOOKS})
    string(REPLACE ":" ";" parts ${book})
    list(GET parts 0 folder)
    list(GET parts 1 name)
    set(chm ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name}.chm)
    # chmcmd reports what it cannot find; the pages' own links are checked by the ui tests.
    add_custom_command(OUTPUT ${chm}
                       COMMAND ${TARVEL_CHMCMD} --no-html-scan --verbosity 0 ${name}.hhp
                       COMMAND ${CMAKE_COMMAND} -E copy ${name}.chm ${chm}
                       WORKING_DIRECTORY ${TARVEL_HELP_WORK}/${folder}
                       DEPENDS ${TARVEL_HELP_WORK}/${folder}/${name}.hhp
                       COMMENT "${name}.chm" VERBATIM)
    list(APPEND TARVEL_HELP_FILES ${chm})
endforeach()

add_custom_target(tarvel_help ALL DEPENDS ${TARVEL_HELP_FILES})
if(TARGET tarvel)
    add_dependencies(tarvel tarvel_help)
endif()
# The help files' test reads them: they are made before its executable.
function(tarvel_help_before_tests)
    if(TARGET test_ui)
        add_dependencies(test_ui tarvel_help)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL tarvel_help_before_tests)

install(FILES ${TARVEL_HELP_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvel)
