// Archive helpers of the grid model tests: storing an object to bytes, loading it back, and a bounded
// mutation fuzzer that checks a loader either succeeds or refuses the bytes with the framework's archive
// exception (never another exception, never a crash).
#pragma once

#include "framework/core/ArchiveTestSupport.h"
#include "framework/core/CMemoryException.h"
#include "framework/core/CNotSupportedException.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>

namespace grid_test {

using archive_test::Bytes;

// The outcome of loading one mutated input.
enum class LoadOutcome { loaded, refused, otherFailure };

inline LoadOutcome TryLoad(const Bytes& bytes, const std::function<void(CArchive&)>& load) {
    try {
        archive_test::Load(bytes, load);
        return LoadOutcome::loaded;
    } catch (CArchiveException* e) {
        e->Delete();
        return LoadOutcome::refused;
    } catch (CException* e) {
        e->Delete();
        return LoadOutcome::otherFailure;
    } catch (...) {
        return LoadOutcome::otherFailure;
    }
}

// Feeds `rounds` mutations of valid (bit flips, byte overwrites with edge values, truncation, inserted and
// deleted bytes) to load, which must build a fresh object each time. Counts what happened; a failure other
// than the archive exception fails the test with the mutated bytes' size and round.
inline void FuzzLoader(const Bytes& valid, const std::function<void(CArchive&)>& load, int rounds = 3000,
                       unsigned seed = 12345) {
    ASSERT_EQ(TryLoad(valid, load), LoadOutcome::loaded) << "the unmutated input must load";
    std::mt19937 rng(seed);
    int refused = 0;
    for (int round = 0; round < rounds; ++round) {
        Bytes bytes = valid;
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits && !bytes.empty(); ++e) {
            const size_t at = rng() % bytes.size();
            switch (rng() % 6) {
            case 0:
                bytes[at] ^= static_cast<BYTE>(1u << (rng() % 8));
                break;
            case 1: {
                static const BYTE edge[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF};
                bytes[at] = edge[rng() % sizeof edge];
                break;
            }
            case 2:
                bytes.resize(at);
                break;
            case 3:
                bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), static_cast<BYTE>(rng()));
                break;
            case 4:
                bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at));
                break;
            default:
                bytes[at] = static_cast<BYTE>(rng());
                break;
            }
        }
        const LoadOutcome outcome = TryLoad(bytes, load);
        ASSERT_NE(outcome, LoadOutcome::otherFailure)
            << "round " << round << ", " << bytes.size() << " bytes";
        if (outcome == LoadOutcome::refused)
            ++refused;
    }
    // Truncations alone make many inputs unreadable: a loader that never refuses does not check its input.
    EXPECT_GT(refused, 0);
}

} // namespace grid_test
