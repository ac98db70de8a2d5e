#include "logcheck/byte_buffer.h"
#include "logcheck/log_check_run.h"

#include <gtest/gtest.h>

#include <string>

using namespace vermil;

TEST(ByteBuffer, AMovedFromBufferIsEmptyAndTakesNewBytes) {
    ByteBuffer source;
    source.append(std::string(10000, 'a'));
    ByteBuffer moved(std::move(source));
    EXPECT_EQ(moved.size(), 10000u);
    EXPECT_TRUE(source.empty());
    source.append("after the move"); // wrote through a null pointer before
    EXPECT_EQ(source.view(), "after the move");

    ByteBuffer assigned;
    assigned.append("old");
    assigned = std::move(moved);
    EXPECT_EQ(assigned.size(), 10000u);
    EXPECT_TRUE(moved.empty());
    char* room = moved.prepare(5000);
    std::fill(room, room + 5000, 'b');
    moved.commit(room + 5000);
    EXPECT_EQ(moved.view(), std::string(5000, 'b'));
}

TEST(ByteBuffer, AMovedFromBlockIsReadyForTheNextBlock) {
    CheckedBlock block;
    block.text.append("line|\r\n");
    block.report.append("report");
    block.lines.push_back({});
    CheckedBlock taken(std::move(block));
    block.text.assign("next|\r\n");
    checkBlock(block, false, CheckOptions{});
    EXPECT_EQ(block.lines.size(), 1u);
    EXPECT_EQ(block.blockCounts.total, 1u);
}
