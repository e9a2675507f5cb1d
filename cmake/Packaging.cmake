# The Debian package: the program, its help file, its desktop entry, its
# AppStream file, its icons, its manual pages, its copyright file and its
# changelog, as the install rules lay them out.
# scripts/package builds it from a folder configured with
# -DCMAKE_INSTALL_PREFIX=/usr, so that the help folder built into the program
# is the one the package installs.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ordel)
set(CPACK_PACKAGE_VENDOR "Equipe do Ordel")
# Debian requires a Maintainer with a mail address, and each entry of the
# changelog is signed with one. The team has no mailbox of its own yet, so
# both name an address in example.org, a domain reserved never to receive
# mail: it reaches no one rather than a stranger. Replace it here and in
# packaging/changelog when the team has a real one.
set(CPACK_PACKAGE_CONTACT "Equipe do Ordel <ordel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "counting-frame exercises in place value and arithmetic (in Portuguese)")
set(CPACK_PACKAGE_DESCRIPTION
    "Ordel is a program for primary-school pupils to practise place value and
the four arithmetic operations on a counting frame with four rods: thousands,
hundreds, tens and units. At the first level the pupil builds a number with
beads; at the second the pupil builds the result of an addition, subtraction,
multiplication or division. Its whole interface is in Portuguese.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ordel)
set(CPACK_STRIP_FILES ON)
# Then the compilers' notes go too (cmake/PackageStrip.cmake).
set(CPACK_ORDEL_OBJCOPY ${CMAKE_OBJCOPY})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageStrip.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps adds the libraries the program links (Qt's core, gui and
# widgets, the C and C++ runtimes) with the versions their symbols need. The
# platform plugins are loaded at run time, so no library names them: the
# window cannot open on a desktop without them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's SVG icon engine, also a plugin: with it the window's icon is drawn from
# the SVG at any size; without it the window falls back to its 32 x 32 images.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6")

include(CPack)
