# The Qt Widgets layer: the program `tarvel`, the binding of its windows to the window models,
# and the replay of scenario files on the real widgets (`tarvel-scenario --widgets`).
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
find_package(Qt6 QUIET OPTIONAL_COMPONENTS PrintSupport)
include(GNUInstallDirs)

file(GLOB TARVEL_UI_SOURCES CONFIGURE_DEPENDS src/ui/*.cpp src/ui/*.h src/ui/*.ui)
add_library(tarvel_ui STATIC ${TARVEL_UI_SOURCES})
set_target_properties(tarvel_ui PROPERTIES AUTOMOC ON AUTOUIC ON)
target_include_directories(tarvel_ui PUBLIC src ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(tarvel_ui PUBLIC tarvel_system Qt6::Widgets tarvel_options)
if(TARGET Qt6::PrintSupport)
    target_link_libraries(tarvel_ui PRIVATE Qt6::PrintSupport)
    target_compile_definitions(tarvel_ui PRIVATE TARVEL_WITH_PRINTING)
endif()

add_executable(tarvel src/app/main.cpp)
target_link_libraries(tarvel PRIVATE tarvel_ui tarvel_options)

# The scenario runner's sources include src/app/scenario/widgets_qt.cpp, which is empty
# without TARVEL_WITH_WIDGETS.
target_link_libraries(tarvel-scenario PRIVATE tarvel_ui Qt6::Test)
target_compile_definitions(tarvel-scenario PRIVATE TARVEL_WITH_WIDGETS)

install(TARGETS tarvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/tarvel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/tarvel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

find_package(benchmark QUIET)
if(benchmark_FOUND)
    add_subdirectory(bench ${CMAKE_BINARY_DIR}/bench)
endif()
