# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt layer's tests: the real windows, offscreen.
file(GLOB ui_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
# Printing from a folder named with Croatian letters drives the print preview and the PDF file.
if(NOT TARGET Qt6::PrintSupport)
    list(FILTER ui_test_sources EXCLUDE REGEX "croatian_folder_print_test")
endif()
add_executable(test_ui ${ui_test_sources})
target_link_libraries(test_ui PRIVATE tarvel_ui Qt6::Test GTest::gtest tarvel_options)
if(TARGET Qt6::PrintSupport)
    target_link_libraries(test_ui PRIVATE Qt6::PrintSupport)
endif()
target_include_directories(test_ui PRIVATE ${PROJECT_SOURCE_DIR}/src)
add_test(NAME ui COMMAND test_ui)
set_tests_properties(ui PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# The help window's test reads a small compiled help file made from tests/ui/data/help.
target_compile_definitions(test_ui PRIVATE TARVEL_UI_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
# The help files the build makes (cmake/help.cmake), read by shipped_help_test.cpp.
target_compile_definitions(test_ui PRIVATE TARVEL_HELP_DIR="$<$<TARGET_EXISTS:tarvel_help>:${CMAKE_RUNTIME_OUTPUT_DIRECTORY}>")
