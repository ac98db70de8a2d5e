# Readers of the seal data files and of the manager's CSV import.
vermil_add_fuzz_target(seal_file ${PROJECT_SOURCE_DIR}/tests/sealfiles/fuzz_seal_file.cpp
  vermil_sealfiles)
vermil_add_fuzz_target(layout_profile
  ${PROJECT_SOURCE_DIR}/tests/sealfiles/fuzz_layout_profile.cpp vermil_sealfiles
  SEEDS tests/data/sealfiles/*.xml tests/data/render/*.xml data/*.xml)
vermil_add_fuzz_target(csv_import ${PROJECT_SOURCE_DIR}/tests/manager/fuzz_csv_import.cpp
  vermil_manager SEEDS tests/data/manager/*.csv data/demo/*.csv)
# The seal index's meaning over its INI text: count, list, entries, and the keys a change writes.
vermil_add_fuzz_target(seal_index ${PROJECT_SOURCE_DIR}/tests/sealfiles/fuzz_seal_index.cpp
  vermil_sealfiles)
