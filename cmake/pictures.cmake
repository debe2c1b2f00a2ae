# SPDX-License-Identifier: GPL-3.0-or-later
# The program's drawn pictures (the toolbar's images, the building of the main window) are drawn
# once, at build time, by tarvel-picturegen into PNG files at 100 % and 200 %, and compiled into
# tarvel_ui as the resources :/pictures/...: the program loads them instead of drawing them when
# it starts. The generator draws the glyphs with the fonts of the machine that builds.
find_package(Qt6 REQUIRED COMPONENTS Gui)

add_executable(tarvel-picturegen ${PROJECT_SOURCE_DIR}/tools/picturegen/main.cpp
                                 ${PROJECT_SOURCE_DIR}/tools/picturegen/drawings.cpp)
target_link_libraries(tarvel-picturegen PRIVATE Qt6::Gui tarvel_options)
# A build tool: it stays out of bin/, which holds what the program ships.
set_target_properties(tarvel-picturegen PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                   ${CMAKE_BINARY_DIR}/tools)

set(TARVEL_PICTURES ${CMAKE_BINARY_DIR}/pictures)
# Qt's libraries are found beside Qt Core's on Windows; the pictures need no screen.
add_custom_command(OUTPUT ${TARVEL_PICTURES}/pictures.qrc
                   COMMAND ${CMAKE_COMMAND} -E env
                           --modify PATH=path_list_prepend:$<TARGET_FILE_DIR:Qt6::Core>
                           QT_QPA_PLATFORM=offscreen
                           $<TARGET_FILE:tarvel-picturegen> ${TARVEL_PICTURES}
                   DEPENDS tarvel-picturegen
                   COMMENT "Pictures of the toolbar and the main window" VERBATIM)
add_custom_command(OUTPUT ${TARVEL_PICTURES}/qrc_pictures.cpp
                   COMMAND Qt6::rcc --name pictures --no-compress
                           --output ${TARVEL_PICTURES}/qrc_pictures.cpp
                           ${TARVEL_PICTURES}/pictures.qrc
                   DEPENDS ${TARVEL_PICTURES}/pictures.qrc Qt6::rcc
                   COMMENT "Resources of the pictures" VERBATIM)
set_source_files_properties(${TARVEL_PICTURES}/qrc_pictures.cpp PROPERTIES SKIP_AUTOGEN ON)
target_sources(tarvel_ui PRIVATE ${TARVEL_PICTURES}/qrc_pictures.cpp)
