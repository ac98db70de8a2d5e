// Imports arbitrary bytes as a CSV file into a fresh seal folder: line reading,
// field splitting, the checks of the whole file and the writes.
#include "manager/import/csv_import.h"
#include "manager/import/csv_lines.h"

#include "tests/fuzz/fuzz_temporary.h"
#include "tests/support/recording_prompter.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdlib.h>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    vermil::CsvLineReader reader(in);
    vermil::CsvLine line;
    while (reader.next(line)) {
        if (line.text.size() > vermil::maxCsvLineBytes + 1)
            __builtin_trap();
        (void)vermil::splitCsvFields(line.text);
    }

    std::string folder = vermil::fuzz::temporaryTemplate("csv");
    if (!::mkdtemp(folder.data()))
        return 0;
    const std::filesystem::path root(folder);
    {
        std::ofstream(root / "in.csv", std::ios::binary) << bytes;
        vermil::RecordingPrompter prompter;
        vermil::CsvImport csvImport(vermil::SealIndex((root / "vrdata" / "index.dat").string()),
                                    prompter);
        const vermil::ImportResult result = csvImport.run(root / "in.csv");
        if (result.imported < 0 || result.imported > vermil::maxSealCount ||
            prompter.messages.size() != 1)
            __builtin_trap();
        // Nothing may be written outside the seal folder.
        for (const auto& entry : std::filesystem::directory_iterator(root))
            if (entry.path().filename() != "in.csv" && entry.path().filename() != "vrdata")
                __builtin_trap();
    }
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    return 0;
}
