# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows resources of an executable: the program's icon as a .ico file rendered from
# resources/tarvel.svg at build time, and its version (resources/tarvel.rc.in). The icon needs
# rsvg-convert and icotool (Debian: librsvg2-bin, icoutils) or ImageMagick (`magick`).
include_guard(GLOBAL)
enable_language(RC)

set(TARVEL_ICO ${CMAKE_BINARY_DIR}/packaging/tarvel.ico)
set(TARVEL_ICO_SIZES 16 24 32 48 64 128 256)
set(svg ${PROJECT_SOURCE_DIR}/resources/tarvel.svg)
find_program(TARVEL_RSVG_CONVERT rsvg-convert)
find_program(TARVEL_ICOTOOL icotool)
find_program(TARVEL_MAGICK magick)
if(TARVEL_RSVG_CONVERT AND TARVEL_ICOTOOL)
    set(folder ${CMAKE_BINARY_DIR}/packaging/ico)
    set(render)
    set(pictures)
    foreach(size ${TARVEL_ICO_SIZES})
        list(APPEND render COMMAND ${TARVEL_RSVG_CONVERT} -w ${size} -h ${size}
                                   -o ${folder}/${size}.png ${svg})
        # The largest picture is kept as PNG, the others become bitmaps, as Windows expects.
        if(size EQUAL 256)
            list(APPEND pictures --raw=${folder}/${size}.png)
        else()
            list(APPEND pictures ${folder}/${size}.png)
        endif()
    endforeach()
    add_custom_command(OUTPUT ${TARVEL_ICO}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${folder} ${render}
                       COMMAND ${TARVEL_ICOTOOL} -c -o ${TARVEL_ICO} ${pictures}
                       DEPENDS ${svg} COMMENT "Icon tarvel.ico" VERBATIM)
elseif(TARVEL_MAGICK)
    string(REPLACE ";" "," sizes "${TARVEL_ICO_SIZES}")
    add_custom_command(OUTPUT ${TARVEL_ICO}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
                       COMMAND ${TARVEL_MAGICK} -background none -density 384 ${svg}
                               -define icon:auto-resize=${sizes} ${TARVEL_ICO}
                       DEPENDS ${svg} COMMENT "Icon tarvel.ico" VERBATIM)
else()
    message(FATAL_ERROR "The Windows icon needs rsvg-convert and icotool (Debian: librsvg2-bin, "
                        "icoutils) or ImageMagick (Windows: choco install imagemagick)")
endif()
add_custom_target(tarvel_ico DEPENDS ${TARVEL_ICO})

set(TARVEL_RC ${CMAKE_BINARY_DIR}/packaging/tarvel.rc)
configure_file(${PROJECT_SOURCE_DIR}/resources/tarvel.rc.in ${TARVEL_RC} @ONLY)
set_source_files_properties(${TARVEL_RC} PROPERTIES OBJECT_DEPENDS ${TARVEL_ICO})

# Gives the executable target the icon and the version.
function(tarvel_add_windows_resources target)
    target_sources(${target} PRIVATE ${TARVEL_RC})
    add_dependencies(${target} tarvel_ico)
endfunction()
