# The installed program's manual page, in English and in Portuguese. They are
# installed as plain text: each distribution compresses manual pages its own
# way, and its own tools do it.

include(GNUInstallDirs)

# The data folder in which the program looks for its help, which the manual
# page names (app/CMakeLists.txt builds the same path into the program).
set(ORDEL_DATA_DIR ${CMAKE_INSTALL_FULL_DATADIR}/ordel)

set(ORDEL_MAN_BUILD ${CMAKE_CURRENT_BINARY_DIR}/man)
configure_file(${PROJECT_SOURCE_DIR}/man/ordel.1.in ${ORDEL_MAN_BUILD}/man1/ordel.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/man/pt_BR/ordel.1.in ${ORDEL_MAN_BUILD}/pt/man1/ordel.1 @ONLY)

install(FILES ${ORDEL_MAN_BUILD}/man1/ordel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The Portuguese page is written in Brazilian Portuguese, like the program,
# and goes in "pt": man reads it for pt_BR and pt_PT alike, which fall back to
# the language when no page is written for their country.
install(FILES ${ORDEL_MAN_BUILD}/pt/man1/ordel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/pt/man1)
