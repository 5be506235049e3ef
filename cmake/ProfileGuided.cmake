# Profile-guided optimisation of the assembler engine (GCC only).
#
# An instrumented quarn is built from the same sources in a build tree of its own
# and run on the training programs; its profile then tells the compiler of
# quarn_engine which branches a real assembly takes and which code is hot. The
# profile only steers optimisation: what quarn does is the same with or without it.
#
# GCC names a profile after its object file; the prefix path makes the names
# relative to each build tree, so the two trees find the same profiles.
include(ExternalProject)

set(QUARN_TRAINING_BUILD ${CMAKE_BINARY_DIR}/training)
set(QUARN_PROFILE_DIR ${CMAKE_BINARY_DIR}/profile)
set(QUARN_TRAINING_SOURCES
    ${CMAKE_SOURCE_DIR}/bench/training/program.asm
    ${CMAKE_SOURCE_DIR}/examples/hello86.asm
    ${CMAKE_SOURCE_DIR}/examples/ti86-string/data.asm)
set(training_quarn ${QUARN_TRAINING_BUILD}/bin/quarn)

ExternalProject_Add(quarn_training
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${QUARN_TRAINING_BUILD}
  # The instrumented build must compile exactly as this one does, or the profile
  # would not fit the code it is used on.
  CMAKE_ARGS
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
    "-DCMAKE_CXX_FLAGS_RELEASE=${CMAKE_CXX_FLAGS_RELEASE}"
    "-DCMAKE_CXX_FLAGS=${CMAKE_CXX_FLAGS} -fprofile-generate=${QUARN_PROFILE_DIR} -fprofile-prefix-path=${QUARN_TRAINING_BUILD} -fprofile-update=single"
    -DQUARN_TESTS=OFF
    -DQUARN_PGO=OFF
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${training_quarn}
  INSTALL_COMMAND "")

set(profile_stamp ${QUARN_PROFILE_DIR}/profile.stamp)
add_custom_command(
  OUTPUT ${profile_stamp}
  COMMAND ${CMAKE_COMMAND}
          -DPROGRAM=${training_quarn}
          -DPROFILE_DIR=${QUARN_PROFILE_DIR}
          -DWORK_DIR=${QUARN_TRAINING_BUILD}/work
          "-DSOURCES=${QUARN_TRAINING_SOURCES}"
          -P ${CMAKE_SOURCE_DIR}/cmake/TrainProfile.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${profile_stamp}
  DEPENDS quarn_training ${training_quarn} ${QUARN_TRAINING_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/TrainProfile.cmake
  COMMENT "Training the engine's optimisation profile"
  VERBATIM)
add_custom_target(quarn_profile DEPENDS ${profile_stamp})
add_dependencies(quarn_engine quarn_profile)

# The engine is compiled with the profile, and optimised again with it wherever it
# is linked (link-time optimisation). Code the training never ran is still
# optimised for speed; a file without a profile is no reason for a warning. A
# profile that no longer fits its source (the source changed during a build) is
# left unused with a warning rather than failing the build: it only ever costs
# speed.
set(QUARN_PROFILE_USE
    -fprofile-use=${QUARN_PROFILE_DIR} -fprofile-prefix-path=${CMAKE_BINARY_DIR}
    -fprofile-partial-training -Wno-missing-profile -Wno-error=coverage-mismatch)
target_compile_options(quarn_engine PRIVATE ${QUARN_PROFILE_USE})
target_link_options(quarn_engine INTERFACE ${QUARN_PROFILE_USE})
