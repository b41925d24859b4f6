// Variant user attributes: text of scalar values, byte arrays, and the archive form with damaged sizes.
#include "grid/core/CGEOleVarUserAttribute.h"
#include "grid/core/CGEUserAttribute.h"

#include "GridArchiveTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using archive_test::Bytes;

COleVariant ByteArray(const Bytes& bytes) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    void* data = nullptr;
    SafeArrayAccessData(array, &data);
    std::copy(bytes.begin(), bytes.end(), static_cast<BYTE*>(data));
    SafeArrayUnaccessData(array);
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_ARRAY | VT_UI1;
    v.parray = array;
    COleVariant owned;
    owned.Attach(v);
    return owned;
}

std::unique_ptr<CGEOleVarUserAttribute> RoundTrip(CGEOleVarUserAttribute& attribute) {
    const Bytes bytes = archive_test::Store([&](CArchive& ar) { attribute.Serialize(ar); });
    auto back = std::make_unique<CGEOleVarUserAttribute>();
    archive_test::Load(bytes, [&](CArchive& ar) { back->Serialize(ar); });
    return back;
}

TEST(CGEOleVarUserAttribute, TextOfValues) {
    EXPECT_EQ(CGEOleVarUserAttribute(COleVariant(42L)).GetValueText(), CString("42"));
    EXPECT_EQ(CGEOleVarUserAttribute(COleVariant("abc")).GetValueText(), CString("abc"));
    EXPECT_TRUE(CGEOleVarUserAttribute().IsEmpty());
    EXPECT_EQ(CGEOleVarUserAttribute(ByteArray({1, 2})).GetValueText(), CString(""));
    EXPECT_FALSE(CGEOleVarUserAttribute(ByteArray({1, 2})).IsEmpty());
    EXPECT_TRUE(CGEOleVarUserAttribute(COleVariant(7L)).IsEqual(CGEUserAttribute("7")));
    EXPECT_FALSE(CGEOleVarUserAttribute(ByteArray({1})).IsEqual(CGEOleVarUserAttribute(ByteArray({2}))));
}

TEST(CGEOleVarUserAttribute, ArchiveRoundTrips) {
    CGEOleVarUserAttribute bytes(ByteArray({0, 1, 2, 255}));
    auto back = RoundTrip(bytes);
    EXPECT_TRUE(back->IsEqual(bytes));
    CGEOleVarUserAttribute number(COleVariant(-17L));
    back = RoundTrip(number);
    EXPECT_EQ(back->GetVariant().vt, VT_I4);
    EXPECT_EQ(back->GetVariant().lVal, -17);
    VARIANT null;
    VariantInit(&null);
    null.vt = VT_NULL;
    CGEOleVarUserAttribute nothing(null);
    EXPECT_EQ(RoundTrip(nothing)->GetVariant().vt, VT_NULL);
}

TEST(CGEOleVarUserAttribute, ADamagedSizeIsRefusedWithoutClaimingMemory) {
    // A byte array claiming 4 GB with three bytes behind it.
    const Bytes bytes = {0x11, 0x20, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3};
    CGEOleVarUserAttribute attribute;
    EXPECT_EQ(archive_test::CauseOf<CArchiveException>(
                  [&] { archive_test::Load(bytes, [&](CArchive& ar) { attribute.Serialize(ar); }); }),
              CArchiveException::endOfFile);
}

} // namespace
