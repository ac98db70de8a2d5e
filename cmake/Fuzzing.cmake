# One fuzz target per reader. With VERMIL_LIBFUZZER (clang) the target is a real
# libFuzzer binary and the libraries under test are instrumented as well
# (coverage for libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer checks);
# otherwise a standalone runner feeds it the files it is given. Either way CTest
# replays the target's seed corpus.
#
# The seed corpus of a target is put together when the build is configured, in
# ${CMAKE_BINARY_DIR}/fuzz-corpus/<name>: the fixtures of tests/data (and data/)
# that its SEEDS patterns name, and the inputs committed in tests/fuzz/corpus/<name>,
# which are only those that exist nowhere else (crashes found by fuzzing).
set(VERMIL_FUZZ_CORPUS_DIR ${PROJECT_SOURCE_DIR}/tests/fuzz/corpus)
set(VERMIL_FUZZ_SEED_DIR ${CMAKE_BINARY_DIR}/fuzz-corpus)
set(VERMIL_FUZZ_INSTRUMENTATION -fsanitize=fuzzer-no-link,address,undefined
    -fno-omit-frame-pointer)

# Instruments every library built so far, and makes whatever links one of them
# link the sanitizer runtimes.
function(vermil_instrument_libraries_for_fuzzing)
  foreach(folder common sealfiles render logcheck stamplog stamper/document stamper/sealdialog stamper/settings stamper/view stamper/pdf stamper/cli manager widgets)
    if(NOT EXISTS ${PROJECT_SOURCE_DIR}/${folder}/CMakeLists.txt)
      continue()
    endif()
    get_property(targets DIRECTORY ${PROJECT_SOURCE_DIR}/${folder} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
      get_target_property(type ${target} TYPE)
      if(type STREQUAL "STATIC_LIBRARY")
        target_compile_options(${target} PRIVATE ${VERMIL_FUZZ_INSTRUMENTATION})
        target_link_options(${target} INTERFACE -fsanitize=address,undefined)
      endif()
    endforeach()
  endforeach()
endfunction()

if(VERMIL_LIBFUZZER)
  vermil_instrument_libraries_for_fuzzing()
endif()

# vermil_add_fuzz_target(NAME SOURCE LIBRARIES... [SEEDS patterns...])
# SEEDS are file patterns relative to the source tree, e.g. tests/data/ini/*.ini.
function(vermil_add_fuzz_target name source)
  cmake_parse_arguments(F "" "" "SEEDS" ${ARGN})
  set(target fuzz_${name})
  if(VERMIL_LIBFUZZER)
    add_executable(${target} ${source})
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
  else()
    add_executable(${target} ${source} ${PROJECT_SOURCE_DIR}/tests/fuzz/standalone_runner.cpp)
  endif()
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE ${F_UNPARSED_ARGUMENTS})

  set(seeds ${VERMIL_FUZZ_SEED_DIR}/${name})
  file(REMOVE_RECURSE ${seeds})
  file(MAKE_DIRECTORY ${seeds})
  set(patterns ${VERMIL_FUZZ_CORPUS_DIR}/${name}/*)
  foreach(pattern ${F_SEEDS})
    list(APPEND patterns ${PROJECT_SOURCE_DIR}/${pattern})
  endforeach()
  file(GLOB inputs CONFIGURE_DEPENDS ${patterns})
  foreach(input ${inputs})
    # Named after their place in the tree: fixtures of two folders may share a name.
    file(RELATIVE_PATH file ${PROJECT_SOURCE_DIR} ${input})
    string(REPLACE "/" "_" file ${file})
    configure_file(${input} ${seeds}/${file} COPYONLY)
  endforeach()

  if(VERMIL_LIBFUZZER)
    add_test(NAME fuzz_replay_${name} COMMAND ${target} -runs=0 ${seeds})
  else()
    add_test(NAME fuzz_replay_${name} COMMAND ${target} ${seeds})
  endif()
  # The harnesses make their temporary files where the environment says.
  set_tests_properties(fuzz_replay_${name} PROPERTIES
    ENVIRONMENT "VERMIL_FUZZ_TMPDIR=${CMAKE_CURRENT_BINARY_DIR}")
endfunction()
