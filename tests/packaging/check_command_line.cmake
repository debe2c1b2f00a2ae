# SPDX-License-Identifier: GPL-3.0-or-later
# Runs PROGRAM with --version and --help (no display in the environment) and checks what it
# prints. Arguments: PROGRAM, VERSION.
function(run expected_exit)
    execute_process(COMMAND ${PROGRAM} ${ARGN} RESULT_VARIABLE exit OUTPUT_VARIABLE out
                    ERROR_VARIABLE err TIMEOUT 30)
    if(NOT exit STREQUAL expected_exit)
        message(FATAL_ERROR "tarvel ${ARGN}: exit ${exit}, expected ${expected_exit}\n"
                            "stdout:\n${out}\nstderr:\n${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect text pattern what)
    if(NOT text MATCHES "${pattern}")
        message(FATAL_ERROR "${what}: no match for '${pattern}' in:\n${text}")
    endif()
endfunction()

foreach(option --version -v)
    run(0 ${option})
    string(REPLACE "." "\\." version_pattern "${VERSION}")
    expect("${out}" "^Tarvel Verzija ${version_pattern}\n$" "${option}")
endforeach()

foreach(option --help -h)
    run(0 ${option})
    expect("${out}" "--version" "${option}")
    expect("${out}" "--help" "${option}")
    expect("${out}" "Prikazuje verziju programa" "${option}")
    expect("${out}" "izračun cijena usluga" "${option}")
    # Qt's own headings come from its Croatian translation.
    if(out MATCHES "Usage:|Options:")
        message(FATAL_ERROR "${option}: English headings:\n${out}")
    endif()
endforeach()

# Help wins over whatever else stands on the line, Qt's own options included.
run(0 -style fusion --help --no-such-option)
expect("${out}" "--version" "--help among other arguments")
