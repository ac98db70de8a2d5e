# The stamp's native data, as a container hands it back.
vermil_add_fuzz_target(native_data fuzz_native_data.cpp vermil_stamp_document
  SEEDS tests/data/stamper/*.bin)
# A PDF as a stamped copy comes back: its attached stamps, its pages, a stamp on it.
vermil_add_fuzz_target(pdf_stamps fuzz_pdf_stamps.cpp vermil_pdf
  SEEDS tests/data/stamper/*.pdf)
# The stamp object file (.vrs) a container hands over: its native data, read whole or refused.
vermil_add_fuzz_target(embedded_object fuzz_embedded_object.cpp vermil_stamp_document
  SEEDS tests/data/stamper/*.bin)
# The stamping program's values in the user's profile, and the remembered password.
vermil_add_fuzz_target(user_profile fuzz_user_profile.cpp vermil_seal_dialog)
# Standard input of --password-stdin and of the password change.
vermil_add_fuzz_target(password_lines fuzz_password_lines.cpp vermil_vermilin_cli
  SEEDS tests/data/stamper/*.txt)
