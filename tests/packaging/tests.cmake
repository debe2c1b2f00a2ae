# SPDX-License-Identifier: GPL-3.0-or-later
# Tests of what the program is as a package: its command line without a display, the desktop
# entry and metainfo validators, the installed tree, the .deb, the icon and Qt's Croatian texts.
find_package(GTest REQUIRED)
set(packaging_dir ${CMAKE_CURRENT_LIST_DIR})
string(REPLACE ";" "," icon_sizes "${TARVEL_ICON_SIZES}")

add_executable(test_packaging ${packaging_dir}/packaging_test.cpp)
target_link_libraries(test_packaging PRIVATE tarvel_ui GTest::gtest tarvel_options)
target_include_directories(test_packaging PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_compile_definitions(test_packaging PRIVATE
    TARVEL_SOURCE_SVG="${PROJECT_SOURCE_DIR}/resources/tarvel.svg"
    TARVEL_ICON_DIR="${TARVEL_ICON_DIR}" TARVEL_APP_ID="${TARVEL_APP_ID}"
    TARVEL_ICON_SIZES="${icon_sizes}")
if(TARGET tarvel_icons)
    add_dependencies(test_packaging tarvel_icons)
endif()
add_test(NAME packaging.program COMMAND test_packaging)
set_tests_properties(packaging.program PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# --help and --version need no display: every variable that could lead Qt to one is removed.
add_test(NAME packaging.command_line
         COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:tarvel> -DVERSION=${PROJECT_VERSION}
                 -P ${packaging_dir}/check_command_line.cmake)
set_tests_properties(packaging.command_line PROPERTIES ENVIRONMENT_MODIFICATION
    "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:;XAUTHORITY=unset:")

if(UNIX AND NOT APPLE)
    find_program(TARVEL_DESKTOP_FILE_VALIDATE desktop-file-validate)
    find_program(TARVEL_APPSTREAMCLI appstreamcli)
    # A missing validator fails its test rather than passing unseen.
    if(NOT TARVEL_DESKTOP_FILE_VALIDATE)
        set(TARVEL_DESKTOP_FILE_VALIDATE desktop-file-validate)
    endif()
    if(NOT TARVEL_APPSTREAMCLI)
        set(TARVEL_APPSTREAMCLI appstreamcli)
    endif()
    add_test(NAME packaging.desktop_entry
             COMMAND ${TARVEL_DESKTOP_FILE_VALIDATE}
                     ${PROJECT_SOURCE_DIR}/resources/${TARVEL_APP_ID}.desktop)
    add_test(NAME packaging.metainfo
             COMMAND ${TARVEL_APPSTREAMCLI} validate --no-net --pedantic ${TARVEL_METAINFO})
    add_test(NAME packaging.install
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                     -DSTAGE=${CMAKE_BINARY_DIR}/packaging/stage -DAPP_ID=${TARVEL_APP_ID}
                     "-DICON_SIZES=${TARVEL_ICON_SIZES}" -DVERSION=${PROJECT_VERSION}
                     -P ${packaging_dir}/check_install.cmake)
    set_tests_properties(packaging.install PROPERTIES ENVIRONMENT_MODIFICATION
        "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")
    # The .deb: its files and its dependencies (needs dpkg-deb and dpkg-shlibdeps: dpkg-dev).
    add_test(NAME packaging.deb
             COMMAND ${CMAKE_COMMAND} -DCPACK=${CMAKE_CPACK_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                     -DOUT=${CMAKE_BINARY_DIR}/packaging/deb -DAPP_ID=${TARVEL_APP_ID}
                     -DVERSION=${PROJECT_VERSION} -P ${packaging_dir}/check_deb.cmake)
endif()
