// Owned objects in archives: written as new objects even when their address was written before, and read
// back only as new objects (a reference would give one object two owners).
#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"

#include "framework/core/ArchiveTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

class COwnedArchiveItem : public CObject {
    DECLARE_SERIAL(COwnedArchiveItem)
public:
    COwnedArchiveItem() = default;
    explicit COwnedArchiveItem(LONG v) : value(v) {}
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << value;
        else
            ar >> value;
    }
    LONG value = 0;
};
IMPLEMENT_SERIAL(COwnedArchiveItem, CObject, 1)

namespace {

using archive_test::Bytes;

std::unique_ptr<COwnedArchiveItem> ReadOwned(CArchive& ar) {
    return std::unique_ptr<COwnedArchiveItem>(
        static_cast<COwnedArchiveItem*>(ar.ReadOwnedObject(RUNTIME_CLASS(COwnedArchiveItem))));
}

TEST(CArchiveOwnedObject, AnAddressWrittenAgainIsANewObject) {
    COwnedArchiveItem item(1);
    const Bytes bytes = archive_test::Store([&](CArchive& ar) {
        ar.WriteOwnedObject(&item);
        item.value = 2; // as if a freed part's address now held another part
        ar.WriteOwnedObject(&item);
        ar.WriteObject(&item); // a plain reference now means the second object
        ar.WriteOwnedObject(nullptr);
    });
    archive_test::Load(bytes, [](CArchive& ar) {
        auto first = ReadOwned(ar);
        auto second = ReadOwned(ar);
        ASSERT_NE(first, nullptr);
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(first->value, 1);
        EXPECT_EQ(second->value, 2);
        EXPECT_EQ(ar.ReadObject(RUNTIME_CLASS(COwnedArchiveItem)), second.get());
        EXPECT_EQ(ReadOwned(ar), nullptr);
    });
}

TEST(CArchiveOwnedObject, AReferenceIsRefused) {
    COwnedArchiveItem item(5);
    const Bytes bytes = archive_test::Store([&](CArchive& ar) {
        ar.WriteObject(&item);
        ar.WriteObject(&item);
    });
    const int cause = archive_test::CauseOf<CArchiveException>([&] {
        archive_test::Load(bytes, [](CArchive& ar) {
            auto first = ReadOwned(ar);
            auto second = ReadOwned(ar);
        });
    });
    EXPECT_EQ(cause, CArchiveException::badIndex);
}

} // namespace
