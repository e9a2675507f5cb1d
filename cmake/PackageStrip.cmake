# Run by CPack on the staged package, after its install step has stripped the
# program: also drops the .comment section, the compilers' version notes,
# which "strip" keeps and Debian's own packages go without.
execute_process(COMMAND ${CPACK_ORDEL_OBJCOPY} --remove-section=.comment
                        ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/ordel
                COMMAND_ERROR_IS_FATAL ANY)
