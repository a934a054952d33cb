# Fails when a translation file is behind the sources: lupdate run into a scratch copy of each .ts turns
# a new or changed text into an unfinished entry and one the sources no longer have into a vanished or
# obsolete one. Run with -DLUPDATE=… "-DLUPDATE_ARGS=<lupdate's options and folders>" -DSCRATCH=<folder>
# "-DTS_FILES=a.ts;b.ts".
file(MAKE_DIRECTORY ${SCRATCH})
set(failed)
foreach(ts ${TS_FILES})
  get_filename_component(name ${ts} NAME)
  file(COPY ${ts} DESTINATION ${SCRATCH})
  execute_process(COMMAND ${LUPDATE} ${LUPDATE_ARGS} -ts ${SCRATCH}/${name}
                  RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(NOT status EQUAL 0)
    list(APPEND failed "${name}: lupdate failed (${status})")
    continue()
  endif()
  file(READ ${SCRATCH}/${name} text)
  # Each entry that is not done, with its source text.
  string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]+comment>[^<]*</[a-z]+comment>[^<]*)*<translation type=\"(unfinished|vanished|obsolete)\""
         entries "${text}")
  foreach(entry ${entries})
    string(REGEX REPLACE "^<source>([^<]*)</source>.*type=\"([a-z]+)\"$" "\\2: \\1" entry "${entry}")
    list(APPEND failed "${name}: ${entry}")
  endforeach()
endforeach()
if(failed)
  list(JOIN failed "\n  " listing)
  message(FATAL_ERROR "Translations behind the sources (update them: see README.md):\n  ${listing}")
endif()
