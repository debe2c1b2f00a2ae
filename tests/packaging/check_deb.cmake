# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the .deb of BUILD_DIR with cpack into OUT and checks what it installs and the packages
# it depends on. Arguments: CPACK, BUILD_DIR, OUT, APP_ID, VERSION.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB -B ${OUT} --config ${BUILD_DIR}/CPackConfig.cmake
                RESULT_VARIABLE exit OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB debs ${OUT}/tarvel_${VERSION}_*.deb)
list(LENGTH debs count)
if(NOT exit EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack -G DEB failed (${exit}), made '${debs}':\n${out}\n${err}")
endif()

function(dpkg_deb result)
    execute_process(COMMAND dpkg-deb ${ARGN} ${debs} RESULT_VARIABLE exit OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT exit EQUAL 0)
        message(FATAL_ERROR "dpkg-deb ${ARGN}: ${exit}\n${err}")
    endif()
    set(${result} "${out}" PARENT_SCOPE)
endfunction()

dpkg_deb(contents -c)
foreach(file
        "-rwxr-xr-x [^\n]* ./usr/bin/tarvel\n"
        "./usr/share/applications/${APP_ID}.desktop\n"
        "./usr/share/metainfo/${APP_ID}.metainfo.xml\n"
        "./usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg\n"
        "./usr/share/icons/hicolor/256x256/apps/${APP_ID}.png\n"
        "./usr/share/doc/tarvel/LICENSE\n")
    string(REPLACE "." "\\." pattern "${file}")
    if(NOT contents MATCHES "${pattern}")
        message(FATAL_ERROR "not in the package: ${file}\n${contents}")
    endif()
endforeach()
if(contents MATCHES "tarvel-portable|test_|scenario|CMakeCache")
    message(FATAL_ERROR "packaged by mistake:\n${contents}")
endif()

dpkg_deb(fields -f)
foreach(field "Package: tarvel" "Version: ${VERSION}" "Architecture: amd64|Architecture: arm64")
    if(NOT fields MATCHES "${field}")
        message(FATAL_ERROR "no '${field}' in:\n${fields}")
    endif()
endforeach()
# The libraries it links (found by dpkg-shlibdeps) and what Qt loads at run time.
string(REGEX MATCH "\nDepends: [^\n]*" depends "\n${fields}")
foreach(package libc6 libqt6widgets6 libqt6svg6 qt6-translations-l10n "(libchm1|libmspack0)")
    if(NOT depends MATCHES "[ ,]${package}[ ,(\n]|[ ,]${package}$")
        message(FATAL_ERROR "the package does not depend on ${package}:${depends}")
    endif()
endforeach()
file(REMOVE_RECURSE ${OUT})
