#pragma once

// Stamp logs of any size for tests, with their codes computed by the check-code
// routine, so a test can make a log of megabytes and know its verdicts.
#include "common/keyed_hash.h"

#include <cstddef>
#include <string>

namespace vermil::test {

struct GeneratedLog {
    std::string bytes;
    std::size_t lines = 0;
    std::size_t ng = 0;
};

// Stamp lines with CR LF until the log holds at least `minBytes`; every
// `ngEvery`-th line (counting from 1) carries a wrong code.
inline GeneratedLog generateLog(std::size_t minBytes, std::size_t ngEvery) {
    GeneratedLog log;
    log.bytes.reserve(minBytes + 256);
    while (log.bytes.size() < minBytes) {
        const std::size_t n = ++log.lines;
        const std::string number = "A-" + std::to_string(n);
        const std::string fields[] = {number,  "2026/12/10", "10:47",  "Yamada",
                                      "Sales", "approved",   "yamada", "PC01"};
        std::string body;
        std::string line;
        for (const std::string& field : fields) {
            body += field;
            line += field + "|";
        }
        std::string code = hash8(body, hashkeys::logLineCode);
        if (ngEvery != 0 && n % ngEvery == 0) {
            code[0] = code[0] == 'A' ? 'B' : 'A';
            ++log.ng;
        }
        line += code + "|\r\n";
        log.bytes += line;
    }
    return log;
}

} // namespace vermil::test
