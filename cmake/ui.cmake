# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt Widgets layer: the program `tarvel`, the binding of its windows to the window models,
# and the replay of scenario files on the real widgets (`tarvel-scenario --widgets`).
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
find_package(Qt6 QUIET OPTIONAL_COMPONENTS PrintSupport)
include(GNUInstallDirs)

file(GLOB TARVEL_UI_SOURCES CONFIGURE_DEPENDS src/ui/*.cpp src/ui/*.h src/ui/*.ui)
add_library(tarvel_ui STATIC ${TARVEL_UI_SOURCES} resources/tarvel.qrc)
set_target_properties(tarvel_ui PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
target_include_directories(tarvel_ui PUBLIC src ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(tarvel_ui PUBLIC tarvel_system Qt6::Widgets tarvel_options)
include(${CMAKE_CURRENT_LIST_DIR}/pictures.cmake)
# The help window reads compiled HTML help (.chm) with libmspack's CHM decompressor.
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
    pkg_check_modules(PC_MSPACK QUIET libmspack)
endif()
find_path(MSPACK_INCLUDE_DIR mspack.h HINTS ${PC_MSPACK_INCLUDE_DIRS})
find_library(MSPACK_LIBRARY NAMES mspack libmspack HINTS ${PC_MSPACK_LIBRARY_DIRS})
if(NOT MSPACK_INCLUDE_DIR OR NOT MSPACK_LIBRARY)
    message(FATAL_ERROR "libmspack not found: install the Debian package libmspack-dev "
                        "(scripts/install-deps.sh); on Windows the vcpkg package libmspack")
endif()
target_include_directories(tarvel_ui SYSTEM PRIVATE ${MSPACK_INCLUDE_DIR})
target_link_libraries(tarvel_ui PRIVATE ${MSPACK_LIBRARY})

# A libFuzzer target for the help file reader (Clang only):
#   cmake -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTARVEL_FUZZ_CHM=ON
#   cmake --build build-fuzz --target tarvel-chm-fuzz
#   build-fuzz/bin/tarvel-chm-fuzz -max_total_time=600 CORPUS tests/ui/data/help
option(TARVEL_FUZZ_CHM "Build the libFuzzer target of the help file reader (needs Clang)" OFF)
if(TARVEL_FUZZ_CHM)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "TARVEL_FUZZ_CHM needs Clang (-DCMAKE_CXX_COMPILER=clang++)")
    endif()
    add_executable(tarvel-chm-fuzz tests/ui/fuzz/chm_archive_fuzz.cpp src/ui/chm_archive.cpp
                                   src/ui/chm_io.cpp)
    target_include_directories(tarvel-chm-fuzz PRIVATE src)
    target_include_directories(tarvel-chm-fuzz SYSTEM PRIVATE ${MSPACK_INCLUDE_DIR})
    target_compile_options(tarvel-chm-fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(tarvel-chm-fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(tarvel-chm-fuzz PRIVATE Qt6::Core ${MSPACK_LIBRARY} tarvel_options)
endif()
if(TARGET Qt6::PrintSupport)
    target_link_libraries(tarvel_ui PRIVATE Qt6::PrintSupport)
    target_compile_definitions(tarvel_ui PRIVATE TARVEL_WITH_PRINTING)
endif()

add_executable(tarvel src/app/main.cpp)
target_link_libraries(tarvel PRIVATE tarvel_ui tarvel_options)
# No console window on Windows; Qt's entry point supplies WinMain.
set_target_properties(tarvel PROPERTIES WIN32_EXECUTABLE ON)

# The scenario runner's sources include src/app/scenario/widgets_qt.cpp, which is empty
# without TARVEL_WITH_WIDGETS.
target_link_libraries(tarvel-scenario PRIVATE tarvel_ui Qt6::Test)
target_compile_definitions(tarvel-scenario PRIVATE TARVEL_WITH_WIDGETS)

# Packaging. One application id names the desktop entry, the metainfo and the icon; the PNG
# icons are rendered from the same SVG that the program shows as its window icon.
set(TARVEL_APP_ID hr.tarvel.Tarvel)
if(NOT DEFINED TARVEL_WEB_ADDRESS)
    set(TARVEL_WEB_ADDRESS "https://tarvel.example.hr")
endif()
set(TARVEL_METAINFO ${CMAKE_BINARY_DIR}/packaging/${TARVEL_APP_ID}.metainfo.xml)
configure_file(resources/${TARVEL_APP_ID}.metainfo.xml.in ${TARVEL_METAINFO} @ONLY)

set(TARVEL_ICON_SIZES 16 22 24 32 48 64 128 256)
set(TARVEL_ICON_DIR ${CMAKE_BINARY_DIR}/packaging/icons)
find_program(TARVEL_RSVG_CONVERT rsvg-convert)
if(TARVEL_RSVG_CONVERT)
    set(icon_files)
    foreach(size ${TARVEL_ICON_SIZES})
        set(icon ${TARVEL_ICON_DIR}/${size}x${size}/apps/${TARVEL_APP_ID}.png)
        add_custom_command(OUTPUT ${icon}
                           COMMAND ${CMAKE_COMMAND} -E make_directory ${TARVEL_ICON_DIR}/${size}x${size}/apps
                           COMMAND ${TARVEL_RSVG_CONVERT} -w ${size} -h ${size}
                                   -o ${icon} ${PROJECT_SOURCE_DIR}/resources/tarvel.svg
                           DEPENDS ${PROJECT_SOURCE_DIR}/resources/tarvel.svg
                           COMMENT "Icon ${size}x${size}" VERBATIM)
        list(APPEND icon_files ${icon})
    endforeach()
    add_custom_target(tarvel_icons DEPENDS ${icon_files})
    add_dependencies(tarvel tarvel_icons)
elseif(UNIX AND NOT APPLE)
    message(WARNING "rsvg-convert (librsvg2-bin) not found: no PNG icons are made or installed")
endif()

install(TARGETS tarvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES LICENSE README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(UNIX AND NOT APPLE)
    install(FILES resources/${TARVEL_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${TARVEL_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES resources/tarvel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${TARVEL_APP_ID}.svg)
    if(TARVEL_RSVG_CONVERT)
        install(DIRECTORY ${TARVEL_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    endif()
endif()
include(cmake/packaging.cmake)

if(TARVEL_BUILD_TESTS)
    include(tests/packaging/tests.cmake)
endif()

find_package(benchmark QUIET)
if(benchmark_FOUND)
    add_subdirectory(bench ${CMAKE_BINARY_DIR}/bench)
endif()
