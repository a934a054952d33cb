# Rebuilds in several checkouts share one compiler cache when ccache is there (paths taken relative to
# the checkout, so two clones hit the same entries). With -g ccache would also hash the build folder;
# CCACHE_NOHASHDIR leaves it out, so a debug object made in one clone serves another (its debug
# information then names the first clone's build folder as the compile folder).
find_program(ZL410_CCACHE ccache)
if(ZL410_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  get_filename_component(ZL410_CCACHE_BASEDIR ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${ZL410_CCACHE_BASEDIR} CCACHE_NOHASHDIR=1
      ${ZL410_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()
