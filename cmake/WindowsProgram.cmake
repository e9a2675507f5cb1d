# Ordel for Windows, included by app/CMakeLists.txt: the program's icon and
# version record, and what "cmake --install" puts in one folder, which the
# installer (windows/ordel.nsi) and the portable .zip hold as it is:
#   ordel.exe, ORDEL.HLP, qt.conf
#   the Qt and MinGW-w64 libraries it loads
#   plugins/    Qt's Windows platform and its Windows style
#   translations/qtbase_pt_BR.qm, Qt's own texts in Portuguese
#   licenses/   Ordel's licence, Qt's and where Qt's source is

# The icon Windows shows for the program's file, and its version record.
set(ORDEL_ICO ${PROJECT_SOURCE_DIR}/assets/icons/ordel.ico)
if(NOT EXISTS ${ORDEL_ICO})
    message(FATAL_ERROR "The program icon ${ORDEL_ICO} is missing (scripts/render-icons.sh draws it).")
endif()
configure_file(${PROJECT_SOURCE_DIR}/windows/ordel.rc.in ordel.rc @ONLY)
# The version record's texts are UTF-8.
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/ordel.rc PROPERTIES
                            COMPILE_OPTIONS "--codepage=65001")
target_sources(ordel PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/ordel.rc)

install(TARGETS ordel RUNTIME DESTINATION .)
install(FILES ${ORDEL_HELP} ${PROJECT_SOURCE_DIR}/windows/qt.conf DESTINATION .)

# Qt as it was built (scripts/windows-qt): only what the program loads.
set(qt ${QT6_INSTALL_PREFIX})
set(ORDEL_QT_FILES
    bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll
    plugins/platforms/qwindows.dll
    plugins/styles/qwindowsvistastyle.dll
    translations/qtbase_pt_BR.qm)
foreach(file IN LISTS ORDEL_QT_FILES)
    if(NOT EXISTS ${qt}/${file})
        message(FATAL_ERROR "${qt}/${file} is missing: the Windows program would not start "
                            "without it, or would be poorer (scripts/windows-qt builds it).")
    endif()
    get_filename_component(folder ${file} DIRECTORY)
    string(REGEX REPLACE "^bin$" "." folder ${folder})
    install(FILES ${qt}/${file} DESTINATION ${folder})
endforeach()

# The compiler's own libraries, which Qt and the program load.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no ${dll}")
    endif()
    # The real path, as dpkg knows it.
    file(REAL_PATH ${path} path)
    install(FILES ${path} DESTINATION .)
    # With the licence of the Debian package it comes from.
    execute_process(COMMAND dpkg-query -S ${path} OUTPUT_VARIABLE owner
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX REPLACE ":.*" "" owner "${owner}")
    install(FILES /usr/share/doc/${owner}/copyright DESTINATION licenses
            RENAME ${owner}.copyright)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licenses RENAME Ordel-LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/windows/LICENSES.txt DESTINATION licenses)
install(DIRECTORY ${qt}/share/licenses/ DESTINATION licenses/Qt)
