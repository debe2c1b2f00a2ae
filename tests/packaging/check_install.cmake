# SPDX-License-Identifier: GPL-3.0-or-later
# Installs BUILD_DIR into the staging prefix STAGE and checks the installed tree: program,
# desktop entry, metainfo, icons in every size, licence. Arguments: BUILD_DIR, STAGE, APP_ID,
# ICON_SIZES, VERSION.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
                RESULT_VARIABLE exit OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT exit EQUAL 0)
    message(FATAL_ERROR "install failed (${exit}):\n${out}\n${err}")
endif()

set(expected
    bin/tarvel
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/doc/tarvel/LICENSE
    share/doc/tarvel/README.md)
foreach(size ${ICON_SIZES})
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file ${expected})
    if(NOT EXISTS ${STAGE}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

# Nothing of the build tree or its tests is installed.
file(GLOB_RECURSE installed RELATIVE ${STAGE} ${STAGE}/*)
foreach(file ${installed})
    if(file MATCHES "test_|scenario|CMakeCache|tarvel-portable")
        message(FATAL_ERROR "installed by mistake: ${file}")
    endif()
endforeach()

# The installed program runs from the staging prefix.
execute_process(COMMAND ${STAGE}/bin/tarvel --version RESULT_VARIABLE exit OUTPUT_VARIABLE out)
if(NOT exit EQUAL 0 OR NOT out MATCHES "Verzija ${VERSION}")
    message(FATAL_ERROR "installed tarvel --version: exit ${exit}, output '${out}'")
endif()
file(REMOVE_RECURSE ${STAGE})
