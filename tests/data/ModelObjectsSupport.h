// Support of the domain object tests: archiving to and from memory and the archive exception's cause.
#pragma once

#include "../foundation/ScratchRegistry.h"
#include "../framework/core/ArchiveTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace modeltest {

using archive_test::Bytes;
using archive_test::Store;

inline Bytes StoreObject(CObject& obj) {
    return Store([&](CArchive& ar) { obj.Serialize(ar); });
}
inline void LoadObject(CObject& obj, const Bytes& bytes) {
    archive_test::Load(bytes, [&](CArchive& ar) { obj.Serialize(ar); });
}
// The cause of the CArchiveException that loading throws; -1 when it loads.
inline int LoadCause(CObject& obj, const Bytes& bytes) {
    return archive_test::CauseOf<CArchiveException>([&] { LoadObject(obj, bytes); });
}
// Loads, or refuses with a framework exception (caught and deleted): true when refused.
inline bool Refused(CObject& obj, const Bytes& bytes) {
    try {
        LoadObject(obj, bytes);
    } catch (CException* e) {
        e->Delete();
        return true;
    }
    return false;
}
// Every shorter prefix of a valid archive is refused.
template <typename Make> void ExpectTruncationsRefused(const Bytes& valid, Make make) {
    for (size_t length = 0; length < valid.size(); ++length) {
        auto obj = make();
        EXPECT_TRUE(Refused(*obj, Bytes(valid.begin(), valid.begin() + static_cast<ptrdiff_t>(length))))
            << "prefix of " << length << " bytes";
    }
}
// One to four changed, removed or inserted bytes of a valid archive.
inline Bytes Mutate(const Bytes& valid, std::mt19937& random) {
    Bytes bytes = valid;
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes && !bytes.empty(); ++i) {
        const size_t at = random() % bytes.size();
        switch (random() % 3) {
        case 0:
            bytes[at] = static_cast<BYTE>(random());
            break;
        case 1:
            bytes.erase(bytes.begin() + static_cast<ptrdiff_t>(at));
            break;
        default:
            bytes.insert(bytes.begin() + static_cast<ptrdiff_t>(at), static_cast<BYTE>(random()));
            break;
        }
    }
    return bytes;
}
// Mutations (changed, removed and inserted bytes) of a valid archive; each loads or is refused. loaded
// (when given) sees each object that loaded; the number of refusals is returned.
template <typename Make>
int FuzzLoads(const Bytes& valid, Make make, int rounds, unsigned seed,
              const std::function<void(CObject&)>& loaded = {}) {
    int refused = 0;
    std::mt19937 random(seed);
    for (int round = 0; round < rounds; ++round) {
        const Bytes bytes = Mutate(valid, random);
        auto obj = make();
        if (Refused(*obj, bytes))
            ++refused;
        else if (loaded)
            loaded(*obj);
    }
    return refused;
}

inline CTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return CTime(year, month, day, hour, minute, second);
}

} // namespace modeltest
