# A Windows build with Qt. Qt's DLLs use the C++ runtime as DLLs, so the programs do too (one runtime in
# the process, not a static copy beside Qt's): the runtime and Qt's DLLs and the plugins the programs load
# sit beside the executables, in the build's bin (for the tests under Wine) and in the install (the zip and
# the installer: scripts/windows).
enable_language(RC) # the icon and version resources
string(REPLACE "-static" "" CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS}")

set(ZL410_WINDOWS_RUNTIME)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no ${dll} to carry beside the programs")
  endif()
  file(REAL_PATH "${path}" path)
  list(APPEND ZL410_WINDOWS_RUNTIME ${path})
endforeach()

set(qt_bin ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
set(qt_plugins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
# What windeployqt would copy for Core, Gui and Widgets: the Windows platform, its style and the image
# formats the bitmaps may come in.
set(ZL410_QT_DLLS ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll)
# The editor's File → Print… (src/CMakeLists.txt links it where Qt has it; Windows printing is inside it).
if(EXISTS ${qt_bin}/Qt6PrintSupport.dll)
  list(APPEND ZL410_QT_DLLS ${qt_bin}/Qt6PrintSupport.dll)
endif()
set(ZL410_QT_PLUGINS platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qgif.dll
    imageformats/qico.dll imageformats/qjpeg.dll)

file(COPY ${ZL410_WINDOWS_RUNTIME} ${ZL410_QT_DLLS} DESTINATION ${ZL410_BIN_DIR})
# The tests also need Qt Test and the offscreen platform.
file(COPY ${qt_bin}/Qt6Test.dll DESTINATION ${ZL410_BIN_DIR})
foreach(plugin ${ZL410_QT_PLUGINS} platforms/qoffscreen.dll)
  get_filename_component(folder ${plugin} DIRECTORY)
  file(COPY ${qt_plugins}/${plugin} DESTINATION ${ZL410_BIN_DIR}/${folder})
endforeach()

install(FILES ${ZL410_WINDOWS_RUNTIME} ${ZL410_QT_DLLS} DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(plugin ${ZL410_QT_PLUGINS})
  get_filename_component(folder ${plugin} DIRECTORY)
  install(FILES ${qt_plugins}/${plugin} DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder})
endforeach()
