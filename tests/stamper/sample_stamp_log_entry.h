#pragma once

// One stamp's log fields, shared by the writer's and the checker's tests.
#include "stamplog/stamp_log.h"
#include "tests/support/test_environment.h"

namespace vermil::test {

inline StampLogEntry sampleStampLogEntry() {
    StampLogEntry entry;
    entry.documentNumber = "A-001";
    entry.date = "2012/03/07";
    entry.time = "09:05";
    entry.name = sjis("山田");
    entry.section = sjis("総務部");
    entry.comment = sjis("確認済み");
    entry.user = "yamada";
    entry.computer = "PC01";
    return entry;
}

} // namespace vermil::test
