# One fuzz target per reader. With VERMIL_LIBFUZZER (clang) the target is a real
# libFuzzer binary; otherwise a standalone runner feeds it the files it is given.
# Either way CTest replays the seed corpus in tests/fuzz/corpus/<name>.
set(VERMIL_FUZZ_CORPUS_DIR ${PROJECT_SOURCE_DIR}/tests/fuzz/corpus)

function(vermil_add_fuzz_target name source)
  set(target fuzz_${name})
  if(VERMIL_LIBFUZZER)
    add_executable(${target} ${source})
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
  else()
    add_executable(${target} ${source} ${PROJECT_SOURCE_DIR}/tests/fuzz/standalone_runner.cpp)
  endif()
  target_link_libraries(${target} PRIVATE ${ARGN})
  if(VERMIL_LIBFUZZER)
    add_test(NAME fuzz_replay_${name}
             COMMAND ${target} -runs=0 ${VERMIL_FUZZ_CORPUS_DIR}/${name})
  else()
    add_test(NAME fuzz_replay_${name}
             COMMAND ${target} ${VERMIL_FUZZ_CORPUS_DIR}/${name})
  endif()
endfunction()
