# The stamp's native data, as a container hands it back.
vermil_add_fuzz_target(native_data fuzz_native_data.cpp vermil_stamper
  SEEDS tests/data/stamper/*.bin)
