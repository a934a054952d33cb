# The user manual beside the data files: the HTML pages of docs/manual (a folder per language and one
# stylesheet) in bin/manual, and its pictures in bin/manual/images, made at build time by the editor itself
# (src/app/manual/ManualShots.cpp, offscreen) so that they show the program as it is. A cross build cannot
# run the editor: it takes the pictures of a host build from ZL410_HOST_MANUAL_PICTURES when that folder
# is given (scripts/windows gives build-test's), else its pages go without pictures. Also the licence text
# the About box shows, once the repository has one.
set(ZL410_MANUAL_DIR ${ZL410_BIN_DIR}/manual)
set(manual_source ${PROJECT_SOURCE_DIR}/docs/manual)
file(GLOB_RECURSE manual_pages CONFIGURE_DEPENDS RELATIVE ${manual_source} ${manual_source}/*.html ${manual_source}/*.css)
set(manual_outputs)
foreach(page ${manual_pages})
  add_custom_command(OUTPUT ${ZL410_MANUAL_DIR}/${page}
    COMMAND ${CMAKE_COMMAND} -E copy ${manual_source}/${page} ${ZL410_MANUAL_DIR}/${page}
    DEPENDS ${manual_source}/${page}
    VERBATIM)
  list(APPEND manual_outputs ${ZL410_MANUAL_DIR}/${page})
endforeach()

set(ZL410_MANUAL_PICTURES main-window.png register-page.png function-key-page.png virtual-panel.png)
list(TRANSFORM ZL410_MANUAL_PICTURES PREPEND ${ZL410_MANUAL_DIR}/images/ OUTPUT_VARIABLE manual_pictures)
if(NOT CMAKE_CROSSCOMPILING)
  add_executable(zl410-manual-shots ${PROJECT_SOURCE_DIR}/src/app/manual/ManualShots.cpp)
  target_link_libraries(zl410-manual-shots PRIVATE zl410editor)
  # A build tool: kept out of the folder the programs and their data share.
  set_target_properties(zl410-manual-shots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  add_custom_command(OUTPUT ${manual_pictures}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:zl410-manual-shots> ${ZL410_BIN_DIR} ${ZL410_MANUAL_DIR}/images
    DEPENDS zl410-manual-shots zl410data
    COMMENT "Making the user manual's pictures"
    VERBATIM)
  list(APPEND manual_outputs ${manual_pictures})
else()
  set(ZL410_HOST_MANUAL_PICTURES "" CACHE PATH "The manual's pictures made by a host build (bin/manual/images)")
  if(ZL410_HOST_MANUAL_PICTURES AND EXISTS ${ZL410_HOST_MANUAL_PICTURES}/main-window.png)
    foreach(picture ${ZL410_MANUAL_PICTURES})
      add_custom_command(OUTPUT ${ZL410_MANUAL_DIR}/images/${picture}
        COMMAND ${CMAKE_COMMAND} -E copy ${ZL410_HOST_MANUAL_PICTURES}/${picture} ${ZL410_MANUAL_DIR}/images/${picture}
        DEPENDS ${ZL410_HOST_MANUAL_PICTURES}/${picture}
        VERBATIM)
    endforeach()
    list(APPEND manual_outputs ${manual_pictures})
  else()
    message(STATUS "Cross build: the user manual goes without pictures (ZL410_HOST_MANUAL_PICTURES names none)")
  endif()
endif()

# The licence, shown by Help → About.
add_custom_command(OUTPUT ${ZL410_BIN_DIR}/LICENSE
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${ZL410_BIN_DIR}/LICENSE
  DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE
  VERBATIM)
list(APPEND manual_outputs ${ZL410_BIN_DIR}/LICENSE)

add_custom_target(zl410manual ALL DEPENDS ${manual_outputs})
add_dependencies(zl410 zl410manual)

# Where the other data files go: share/zl410 on Linux, beside the programs on Windows.
if(WIN32)
  set(manual_destination ${CMAKE_INSTALL_BINDIR})
else()
  set(manual_destination ${CMAKE_INSTALL_DATADIR}/zl410)
endif()
install(DIRECTORY ${ZL410_MANUAL_DIR} DESTINATION ${manual_destination})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${manual_destination})
