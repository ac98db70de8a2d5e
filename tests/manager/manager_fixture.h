#pragma once

// A hanko folder of its own for each test of the manager's dialogs, and seals
// written into it the way the manager writes them.
#include "sealfiles/layout_profile.h"
#include "sealfiles/seal_index.h"
#include "sealfiles/seal_writer.h"

#include "common/ini/ini_store.h"
#include "tests/support/recording_choosers.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace vermil::test {

struct ManagerFixture {
    TempDir dir;
    std::string hankoFolder = dir.path().string();
    std::filesystem::path settingsFile = dir / "hanko.ini";
    std::filesystem::path sealFolder = dir / "vrdata";
    std::filesystem::path indexFile = sealFolder / "index.dat";
    RecordingPrompter prompter;
    RecordingFileChooser chooser;

    SealIndex index() const { return SealIndex(indexFile.string()); }
    std::string indexValue(std::string_view section, std::string_view key) const {
        return readIniValue(indexFile, section, key).value_or("<missing>");
    }
    std::string setting(std::string_view section, std::string_view key) const {
        return readIniValue(settingsFile, section, key).value_or("<missing>");
    }
};

inline SealRecord sampleSeal(std::string name, std::string up1 = "UP", std::string down = "DOWN",
                             std::string up2 = "") {
    SealRecord seal;
    seal.name = std::move(name);
    seal.password = "PW";
    seal.definition.up1 = std::move(up1);
    seal.definition.up2 = std::move(up2);
    seal.definition.down = std::move(down);
    seal.definition.format = "YYYY.MM.DD";
    return seal;
}

// Registers seals named prefix + 1, prefix + 2, ... as a new seal each.
inline void registerSeals(const SealIndex& index, int count, const std::string& prefix = "S") {
    for (int i = 1; i <= count; ++i) {
        SealRecord seal = sampleSeal(prefix + std::to_string(i), "UP" + std::to_string(i));
        seal.definition.fonts = fontsForNewSeal(index.sealFolder(), seal.definition.profile);
        ASSERT_EQ(writeSeal(index, seal, SealEntryKind::New).status, SealWriteStatus::Written);
    }
}

inline void registerSeal(const SealIndex& index, const SealRecord& seal) {
    ASSERT_EQ(writeSeal(index, seal, SealEntryKind::New).status, SealWriteStatus::Written);
}

} // namespace vermil::test
