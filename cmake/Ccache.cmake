# Rebuilds in several checkouts share one compiler cache when ccache is there (paths taken relative to
# the checkout, so two clones hit the same entries).
find_program(ZL410_CCACHE ccache)
if(ZL410_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  get_filename_component(ZL410_CCACHE_BASEDIR ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${ZL410_CCACHE_BASEDIR} ${ZL410_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()
