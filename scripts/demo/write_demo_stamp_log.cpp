// Writes a short stamp log for the demo with the stamping program's log writer:
// write_demo_stamp_log LOGFILE. The lines are those a few days of stamping
// would leave; run-demo.sh alters one of them afterwards.
#include "stamplog/stamp_log.h"

#include "common/cp932.h"
#include "common/interaction/stderr_prompter.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: vermil_demo_stamp_log LOGFILE\n", stderr);
        return 2;
    }
    struct Stamp {
        const char* documentNumber;
        const char* date;
        const char* time;
        const char* name;
        const char* section;
        const char* comment;
        int format;
    } const stamps[] = {
        {"A-1001", "2024/04/01", "09:12", "山田", "総務部", "承認", 0},
        {"A-1002", "2024/04/01", "10:47", "佐藤", "経理部", "確認済み", 0},
        {"", "2024/04/02", "14:03", "鈴木", "営業部", "見積書, 第2版", 0},
        {"B-0007", "2024/04/03", "08:55", "高橋", "開発部", "仕様|レビュー完了\n詳細は別紙", 0},
        {"B-0008", "2024/04/03", "16:20", "ポール", "品質保証部", "出荷判定", 1},
        {"C-0310", "2024/04/05", "11:31", "田中", "人事部", "", 0},
    };
    vermil::StderrPrompter prompter;
    vermil::StampLogTarget target;
    const auto path = vermil::cp932Path(argv[1]);
    if (!path) {
        std::fputs("vermil_demo_stamp_log: the path has no Shift-JIS form\n", stderr);
        return 2;
    }
    target.path = *path;
    for (const Stamp& stamp : stamps) {
        vermil::StampLogEntry entry;
        entry.documentNumber = stamp.documentNumber;
        entry.date = stamp.date;
        entry.time = stamp.time;
        entry.name = vermil::cp932Literal(stamp.name);
        entry.section = vermil::cp932Literal(stamp.section);
        entry.comment = vermil::cp932Literal(stamp.comment);
        entry.user = "demo";
        entry.computer = "vermil-demo";
        target.format = stamp.format;
        if (vermil::appendStampLog(entry, target, prompter) != vermil::StampLogOutcome::Written)
            return 1;
    }
    return 0;
}
