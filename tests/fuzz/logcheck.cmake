# The log checker's line reader, field splitter and checker on arbitrary bytes.
vermil_add_fuzz_target(log_lines ${PROJECT_SOURCE_DIR}/tests/logcheck/fuzz_log_lines.cpp
  vermil_logcheck SEEDS tests/data/logcheck/*.log)
