# The Linux installation beyond the programs and their data (src/CMakeLists.txt, data/CMakeLists.txt):
# manual pages, shell completion and the package's documentation.

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
