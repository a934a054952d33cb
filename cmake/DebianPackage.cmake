# The Linux installation beyond the programs and their data (src/CMakeLists.txt, data/CMakeLists.txt):
# manual pages, shell completion and the package's documentation, and the Debian package that CPack
# makes of it all (scripts/package).

# Manual pages: roff sources in docs/man with the version filled in, installed gzipped as Debian wants
# them (-n: no time stamp, so that the same sources give the same package).
set(ZL410_MAN_PAGES)
foreach(page zl410.1 zl410-cli.1)
  configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page}.in ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
    COMMAND gzip -9n -c ${CMAKE_BINARY_DIR}/man/${page} > ${CMAKE_BINARY_DIR}/man/${page}.gz
    DEPENDS ${CMAKE_BINARY_DIR}/man/${page}
    VERBATIM)
  list(APPEND ZL410_MAN_PAGES ${CMAKE_BINARY_DIR}/man/${page}.gz)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/dist/debian/changelog.in ${CMAKE_BINARY_DIR}/doc/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/changelog.gz
  COMMAND gzip -9n -c ${CMAKE_BINARY_DIR}/doc/changelog > ${CMAKE_BINARY_DIR}/doc/changelog.gz
  DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog
  VERBATIM)
add_custom_target(zl410docs ALL DEPENDS ${ZL410_MAN_PAGES} ${CMAKE_BINARY_DIR}/doc/changelog.gz)

install(FILES ${ZL410_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/dist/completion/zl410-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME zl410-cli)
install(FILES ${PROJECT_SOURCE_DIR}/dist/completion/_zl410-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
install(FILES ${PROJECT_SOURCE_DIR}/dist/debian/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zl410)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ZL410 developers <zl410-developers@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for the ZL410 operator panel")
# The long description: lines of at most 80 characters, none starting with a dot (a control line).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Design the windows of the ZL410 operator panel (192 x 64 monochrome display,
keypad, serial link to a PLC), choose the PLC protocol, keep the project in
a .pjz file, compile it into the panel's download image and write image and
protocol driver into the panel over a serial port. Old .olz projects are
converted. zl410 is the editor, zl410-cli the same from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # zl410_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends is worked out from the programs' shared libraries (dpkg-shlibdeps, from dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
