# SPDX-License-Identifier: GPL-3.0-or-later
# The folders of src/ depend one way, from the top down:
#   app -> ui, program -> offer -> estimator, deviations -> calculator -> records -> engine, forms
#   and program -> comparison -> calculator (the comparison beside estimator and deviations),
# with system beside records, on Qt Core. An include of the project's own headers that runs
# upward, or between two folders that may not know each other, fails with its file and line.
# Run: cmake -DSOURCE_DIR=<repo>/src -P check_includes.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

# What each folder may include besides itself.
set(allowed_forms)
set(allowed_engine forms)
set(allowed_records engine forms)
set(allowed_system forms)
set(allowed_calculator records engine forms)
set(allowed_deviations calculator records engine forms)
set(allowed_estimator calculator records engine forms)
set(allowed_comparison calculator records engine forms)
set(allowed_offer estimator deviations calculator records engine forms)
set(allowed_program offer estimator deviations comparison calculator records engine forms)
set(allowed_ui program offer estimator deviations comparison calculator records engine forms
    system)
set(allowed_app ui program offer estimator deviations comparison calculator records engine
    forms system)
set(known forms engine records system calculator deviations estimator comparison offer program ui
    app)

set(faults 0)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp
     ${SOURCE_DIR}/*.h.in)
foreach(source ${sources})
    string(REGEX MATCH "^[^/]+" folder "${source}")
    if(NOT folder IN_LIST known)
        message(SEND_ERROR "src/${source}: the folder ${folder} has no place in the layering")
        math(EXPR faults "${faults} + 1")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} lines)
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([a-z_]+)/")
            set(target ${CMAKE_MATCH_1})
            if(target STREQUAL folder OR NOT target IN_LIST known)
                continue()
            endif()
            if(NOT target IN_LIST allowed_${folder})
                message(SEND_ERROR "src/${source}:${number}: ${folder}/ may not include ${target}/")
                math(EXPR faults "${faults} + 1")
            endif()
        endif()
    endforeach()
endforeach()
if(faults GREATER 0)
    message(FATAL_ERROR "${faults} include(s) against the layering")
endif()
