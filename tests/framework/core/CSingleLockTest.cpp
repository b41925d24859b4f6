// Critical sections, mutexes and the scope lock, checked from a second thread.
#include "framework/core/CCriticalSection.h"
#include "framework/core/CMutex.h"
#include "framework/core/CSingleLock.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

// Whether another thread could take the object right now (without waiting).
bool OtherThreadCanLock(CSyncObject& object) {
    bool acquired = false;
    std::thread other([&] {
        CSingleLock probe(&object);
        acquired = probe.Lock(0);
    });
    other.join();
    return acquired;
}

bool OtherThreadCanEnter(CCriticalSection& cs) {
    bool entered = false;
    std::thread other([&] {
        entered = TryEnterCriticalSection(cs);
        if (entered)
            LeaveCriticalSection(cs);
    });
    other.join();
    return entered;
}

} // namespace

TEST(CSingleLock, HoldsACriticalSectionUntilUnlockOrScopeEnd) {
    CCriticalSection cs;
    {
        CSingleLock lock(&cs, TRUE);
        EXPECT_TRUE(lock.IsLocked());
        EXPECT_FALSE(OtherThreadCanEnter(cs));
        EXPECT_TRUE(lock.Unlock());
        EXPECT_FALSE(lock.IsLocked());
        EXPECT_TRUE(OtherThreadCanEnter(cs));
        EXPECT_TRUE(lock.Lock());
        EXPECT_TRUE(lock.Lock()); // a second Lock on the same lock object holds it once
        EXPECT_FALSE(OtherThreadCanEnter(cs));
    }
    EXPECT_TRUE(OtherThreadCanEnter(cs));
}

TEST(CSingleLock, StartsUnlockedUnlessAskedAndUnlockWithoutLockIsHarmless) {
    CCriticalSection cs;
    CSingleLock lock(&cs);
    EXPECT_FALSE(lock.IsLocked());
    EXPECT_TRUE(lock.Unlock());
    EXPECT_TRUE(OtherThreadCanEnter(cs));
}

TEST(CCriticalSection, LockAndUnlockDirectly) {
    CCriticalSection cs;
    EXPECT_TRUE(cs.Lock());
    EXPECT_FALSE(OtherThreadCanEnter(cs));
    EXPECT_TRUE(cs.Unlock());
    EXPECT_TRUE(OtherThreadCanEnter(cs));
}

TEST(CMutex, ExcludesOtherThreadsAndTimesOut) {
    CMutex mutex;
    {
        CSingleLock lock(&mutex, TRUE);
        EXPECT_TRUE(lock.IsLocked());
        EXPECT_FALSE(OtherThreadCanLock(mutex));
    }
    EXPECT_TRUE(OtherThreadCanLock(mutex));

    CMutex owned(TRUE);
    EXPECT_FALSE(OtherThreadCanLock(owned));
    EXPECT_TRUE(owned.Unlock());
    EXPECT_TRUE(OtherThreadCanLock(owned));
}

TEST(CMutex, NamedMutexesWithTheSameNameAreOne) {
    const std::string name = "Brindlemark.CoreTest.Mutex." + std::to_string(GetCurrentProcessId());
    CMutex first(FALSE, name.c_str());
    CMutex second(FALSE, name.c_str());
    CSingleLock lock(&first, TRUE);
    ASSERT_TRUE(lock.IsLocked());
    EXPECT_FALSE(OtherThreadCanLock(second));
    lock.Unlock();
    EXPECT_TRUE(OtherThreadCanLock(second));
}
