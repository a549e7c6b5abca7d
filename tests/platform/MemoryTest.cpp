// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

long AnonymousKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("RssAnon:", 0) == 0)
            return std::stol(line.substr(8));
    return 0;
}

} // namespace

// Many small blocks freed below one still in use stay with the program
// until they are given back.
TEST(Memory, FreedBlocksBelowOneInUseGoBackToTheSystem) {
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "only the GNU C library's own allocator gives memory back";
#endif
    constexpr size_t kBlocks = 200'000, kBlockBytes = 200;
    std::vector<std::unique_ptr<char[]>> blocks(kBlocks);
    for (auto& block : blocks) {
        block = std::make_unique<char[]>(kBlockBytes);
        std::memset(block.get(), 1, kBlockBytes);
    }
    const auto inUse = std::make_unique<char[]>(kBlockBytes);
    const long held = AnonymousKilobytes();
    for (auto& block : blocks)
        block.reset();
    ReturnFreedMemory();
    EXPECT_LT(AnonymousKilobytes(), held - 20'000);
}
