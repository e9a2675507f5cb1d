# What the installed program carries besides itself: its manual page, in
# English and in Portuguese, and its licence and release history in its
# documentation folder. The manual pages and the changelog are installed
# compressed with "gzip -9n" (best compression, no name or time stamp in the
# header), so that the same sources always give the same bytes.

include(GNUInstallDirs)
find_program(GZIP gzip REQUIRED)

# The documentation folder is named after the package, not after the CMake
# project (which GNUInstallDirs' DOCDIR would use).
set(ORDEL_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/ordel)
# The folders the manual page names: the licence's, and the data folder in
# which the program looks for its help (app/CMakeLists.txt builds the same
# path into it).
set(ORDEL_DOC_DIR_FULL ${CMAKE_INSTALL_FULL_DATAROOTDIR}/doc/ordel)
set(ORDEL_DATA_DIR ${CMAKE_INSTALL_FULL_DATADIR}/ordel)

set(ORDEL_DOC_BUILD ${CMAKE_CURRENT_BINARY_DIR}/doc)

# Copies SOURCE to OUTPUT in the build folder, filling in @VARIABLES@ when
# CONFIGURE is given, and writes OUTPUT.gz beside it. This runs when CMake
# configures; CMake configures again whenever SOURCE changes.
function(ordel_compressed_copy source output)
    cmake_parse_arguments(PARSE_ARGV 2 arg "CONFIGURE" "" "")
    if(arg_CONFIGURE)
        configure_file(${source} ${output} @ONLY)
    else()
        configure_file(${source} ${output} COPYONLY)
    endif()
    execute_process(COMMAND ${GZIP} -9n --stdout ${output}
                    OUTPUT_FILE ${output}.gz
                    COMMAND_ERROR_IS_FATAL ANY)
endfunction()

ordel_compressed_copy(${PROJECT_SOURCE_DIR}/man/ordel.1.in
                      ${ORDEL_DOC_BUILD}/man1/ordel.1 CONFIGURE)
ordel_compressed_copy(${PROJECT_SOURCE_DIR}/man/pt_BR/ordel.1.in
                      ${ORDEL_DOC_BUILD}/pt_BR/man1/ordel.1 CONFIGURE)
ordel_compressed_copy(${PROJECT_SOURCE_DIR}/packaging/changelog
                      ${ORDEL_DOC_BUILD}/changelog)

install(FILES ${ORDEL_DOC_BUILD}/man1/ordel.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The Portuguese page is Brazilian Portuguese, like the program, so it goes
# in pt_BR, where man looks first for LANG=pt_BR.UTF-8.
install(FILES ${ORDEL_DOC_BUILD}/pt_BR/man1/ordel.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/pt_BR/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${ORDEL_DOC_BUILD}/changelog.gz
        DESTINATION ${ORDEL_DOC_DIR})
