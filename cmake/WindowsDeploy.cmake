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

# The licences of what is carried beside the programs: Qt's (LGPL 3, which builds on the GPL 3) and the
# C++ runtime's (GCC's runtime library exception; winpthreads), as the build machine's Debian has them.
set(ZL410_THIRD_PARTY_LICENCES
    /usr/share/common-licenses/LGPL-3 /usr/share/common-licenses/GPL-3
    /usr/share/doc/gcc-mingw-w64-base/copyright /usr/share/doc/mingw-w64-common/copyright)
foreach(text ${ZL410_THIRD_PARTY_LICENCES})
  if(NOT EXISTS ${text})
    message(FATAL_ERROR "${text} is missing: the Windows package carries it beside Qt and the runtime")
  endif()
endforeach()
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION ${CMAKE_INSTALL_BINDIR}/licences RENAME Qt-LGPL-3.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION ${CMAKE_INSTALL_BINDIR}/licences RENAME GPL-3.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION ${CMAKE_INSTALL_BINDIR}/licences
        RENAME gcc-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION ${CMAKE_INSTALL_BINDIR}/licences
        RENAME mingw-w64-winpthreads.txt)
