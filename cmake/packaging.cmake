# SPDX-License-Identifier: GPL-3.0-or-later
# The packages, made by CPack from the install rules:
#   Linux:   cpack -G DEB          tarvel_<version>_amd64.deb, its dependencies declared
#   Windows: cpack -G "ZIP;NSIS"   Tarvel-<version>-win64.zip, a portable copy (it holds the
#                                  tarvel-portable marker), and Tarvel-<version>-win64.exe, an
#                                  installer with a Start-menu entry and an uninstaller
# On Windows everything lies in one folder: tarvel.exe with its icon and version, Qt (deployed
# by windeployqt with the platform, style, image format and SVG icon plug-ins and the Croatian
# catalogue), the help reader's DLL, the compiler's runtime, the help files and the licence.

set(CPACK_PACKAGE_NAME tarvel)
set(CPACK_PACKAGE_VENDOR Tarvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "izračun cijena usluga arhitekata i inženjera")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarvel izračunava cijene projektantskih, geodetskih, nadzornih i savjetodavnih usluga "
    "prema Pravilniku o cijenama: najnižu i najvišu cijenu svake faze i cijele usluge.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL ${TARVEL_WEB_ADDRESS})
set(CPACK_PACKAGE_CONTACT "Tarvel <${TARVEL_CONTACT_EMAIL}>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tarvel)
set(CPACK_PACKAGE_EXECUTABLES tarvel Tarvel)
set(CPACK_STRIP_FILES ON)

# The help files, from where the build puts them (beside the executable, or build/help/), to
# where the program looks for them: beside the executable on Windows, share/tarvel on Linux.
if(WIN32)
    set(TARVEL_INSTALL_HELPDIR .)
else()
    set(TARVEL_INSTALL_HELPDIR ${CMAKE_INSTALL_DATADIR}/tarvel)
endif()
install(CODE "
    file(GLOB help_files \"$<TARGET_FILE_DIR:tarvel>/*.chm\" \"$<TARGET_FILE_DIR:tarvel>/*.hlp\"
                         \"${CMAKE_BINARY_DIR}/help/*.chm\" \"${CMAKE_BINARY_DIR}/help/*.hlp\")
    if(help_files)
        file(INSTALL \${help_files} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${TARVEL_INSTALL_HELPDIR}\")
    endif()")

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/windows_resources.cmake)
    tarvel_add_windows_resources(tarvel)

    # Qt's libraries and plug-ins beside tarvel.exe. The SVG module is named because the program
    # does not link it: its icon engine and image format plug-ins draw the icons.
    find_program(TARVEL_WINDEPLOYQT windeployqt HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}"
                 REQUIRED)
    if(MSVC)
        set(compiler_runtime --no-compiler-runtime) # the DLLs come below, not vc_redist.exe
    else()
        set(compiler_runtime --compiler-runtime)
    endif()
    install(CODE "
        execute_process(COMMAND \"${TARVEL_WINDEPLOYQT}\" --verbose 1 --svg --translations hr
                                ${compiler_runtime} --no-system-d3d-compiler --no-opengl-sw
                                --dir \"\${CMAKE_INSTALL_PREFIX}\"
                                \"\${CMAKE_INSTALL_PREFIX}/$<TARGET_FILE_NAME:tarvel>\"
                        RESULT_VARIABLE exit)
        if(NOT exit EQUAL 0)
            message(FATAL_ERROR \"windeployqt failed: \${exit}\")
        endif()")
    # windeployqt merges Qt's Croatian catalogues into translations/qt_hr.qm; qtbase_hr.qm goes
    # beside it, as the program loads both.
    install(FILES "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_hr.qm"
            DESTINATION translations OPTIONAL)

    # The DLLs that are neither Qt's nor the system's: the help reader's (from vcpkg's bin/,
    # which its tool chain also copies beside the executable).
    set(dll_folders "$<TARGET_FILE_DIR:tarvel>")
    if(DEFINED VCPKG_INSTALLED_DIR AND DEFINED VCPKG_TARGET_TRIPLET)
        list(APPEND dll_folders "${VCPKG_INSTALLED_DIR}/${VCPKG_TARGET_TRIPLET}/bin")
    endif()
    foreach(prefix ${CMAKE_PREFIX_PATH})
        list(APPEND dll_folders "${prefix}/bin")
    endforeach()
    install(CODE "
        file(GET_RUNTIME_DEPENDENCIES EXECUTABLES \"$<TARGET_FILE:tarvel>\"
             RESOLVED_DEPENDENCIES_VAR found UNRESOLVED_DEPENDENCIES_VAR missing
             DIRECTORIES ${dll_folders}
             PRE_EXCLUDE_REGEXES \"^[Aa][Pp][Ii]-[Mm][Ss]-\" \"^[Ee][Xx][Tt]-[Mm][Ss]-\" \"^[Qq][Tt]6\"
             POST_EXCLUDE_REGEXES \"[Ss][Yy][Ss][Tt][Ee][Mm]32\" \"[Ww][Ii][Nn][Ss][Xx][Ss]\")
        if(missing)
            message(FATAL_ERROR \"DLLs of tarvel.exe not found: \${missing}\")
        endif()
        file(INSTALL \${found} DESTINATION \"\${CMAKE_INSTALL_PREFIX}\")")

    # The compiler's runtime DLLs (MSVC; Windows 10 and later have the universal C runtime).
    set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION .)
    set(CMAKE_INSTALL_UCRT_LIBRARIES OFF)
    include(InstallRequiredSystemLibraries)

    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_PACKAGE_FILE_NAME Tarvel-${PROJECT_VERSION}-win64)
    set(CPACK_NSIS_PACKAGE_NAME "Tarvel ${PROJECT_VERSION}")
    set(CPACK_NSIS_DISPLAY_NAME Tarvel)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
    set(CPACK_NSIS_INSTALLED_ICON_NAME tarvel.exe)
    set(CPACK_NSIS_MUI_ICON ${TARVEL_ICO})
    set(CPACK_NSIS_MUI_UNIICON ${TARVEL_ICO})
    set(CPACK_NSIS_UNINSTALL_NAME Deinstalacija)
    set(CPACK_NSIS_URL_INFO_ABOUT ${TARVEL_WEB_ADDRESS})
    set(CPACK_NSIS_CONTACT ${TARVEL_CONTACT_EMAIL})
    set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION misc)
    # The libraries the program links come from dpkg-shlibdeps (package dpkg-dev); what Qt loads
    # at run time is named: the SVG icon engine and Qt's Croatian catalogues.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-translations-l10n")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
endif()

# The ZIP is a portable copy: only it gets the marker file (cmake/portable_marker.cmake).
set(TARVEL_PORTABLE_MARKER ${PROJECT_SOURCE_DIR}/cmake/portable_marker.cmake)
configure_file(${PROJECT_SOURCE_DIR}/cmake/cpack_generators.cmake.in
               ${CMAKE_BINARY_DIR}/packaging/cpack_generators.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/packaging/cpack_generators.cmake)

include(CPack)
