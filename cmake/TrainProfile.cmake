# Runs the instrumented quarn on the training programs, which leaves its profile in
# PROFILE_DIR (see ProfileGuided.cmake). Called with -DPROGRAM, -DPROFILE_DIR,
# -DWORK_DIR and -DSOURCES.

# Profiles add up over runs; the training starts from none.
file(GLOB stale ${PROFILE_DIR}/*.gcda)
if(stale)
  file(REMOVE ${stale})
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
foreach(source IN LISTS SOURCES)
  file(COPY ${source} DESTINATION ${WORK_DIR})
  get_filename_component(name ${source} NAME)
  # The hex listing runs both passes; the symbol file is the other common job.
  foreach(option -h -s)
    execute_process(COMMAND ${PROGRAM} ${option} ${name}
                    WORKING_DIRECTORY ${WORK_DIR}
                    OUTPUT_QUIET ERROR_QUIET
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "training run `quarn ${option} ${name}` failed (${status})")
    endif()
  endforeach()
endforeach()

file(GLOB profiles ${PROFILE_DIR}/*.gcda)
if(NOT profiles)
  message(FATAL_ERROR "the training runs left no profile in ${PROFILE_DIR}")
endif()
