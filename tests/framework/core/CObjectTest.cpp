// Run-time classes: type tests, creation by class and by name, registration.
#include "framework/core/CArchive.h"
#include "framework/core/CFileException.h"
#include "framework/core/CObject.h"

#include <gtest/gtest.h>

#include <memory>

// Named (not anonymous): the run-time class macros define functions a test may not call.
namespace object_classes {

class CRtShape : public CObject {
    DECLARE_SERIAL(CRtShape)
public:
    CRtShape() = default;
    int m_sides = 0;
};

class CRtCircle : public CRtShape {
    DECLARE_SERIAL(CRtCircle)
public:
    CRtCircle() = default;
};

class CRtCreatable : public CObject {
    DECLARE_DYNCREATE(CRtCreatable)
protected:
    CRtCreatable() = default; // creatable through the run-time class only
};

class CRtDynamicOnly : public CObject {
    DECLARE_DYNAMIC(CRtDynamicOnly)
public:
    explicit CRtDynamicOnly(int) {}
};

IMPLEMENT_SERIAL(CRtShape, CObject, 1)
IMPLEMENT_SERIAL(CRtCircle, CRtShape, VERSIONABLE_SCHEMA | 3)
IMPLEMENT_DYNCREATE(CRtCreatable, CObject)
IMPLEMENT_DYNAMIC(CRtDynamicOnly, CObject)

} // namespace object_classes

using namespace object_classes;

TEST(CRuntimeClass, DescribesTheClass) {
    const CRuntimeClass* c = RUNTIME_CLASS(CRtCircle);
    EXPECT_STREQ(c->m_lpszClassName, "CRtCircle");
    EXPECT_EQ(c->m_nObjectSize, static_cast<int>(sizeof(CRtCircle)));
    EXPECT_EQ(c->m_wSchema, VERSIONABLE_SCHEMA | 3);
    EXPECT_EQ(c->m_pBaseClass, RUNTIME_CLASS(CRtShape));
    EXPECT_EQ(RUNTIME_CLASS(CRtShape)->m_pBaseClass, RUNTIME_CLASS(CObject));
    EXPECT_EQ(RUNTIME_CLASS(CObject)->m_pBaseClass, nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CRtDynamicOnly)->m_wSchema, 0xFFFFu);
    EXPECT_EQ(RUNTIME_CLASS(CRtDynamicOnly)->m_pfnCreateObject, nullptr);
}

TEST(CRuntimeClass, VirtualGetRuntimeClassGivesTheMostDerivedClass) {
    CRtCircle circle;
    const CObject& asObject = circle;
    EXPECT_EQ(asObject.GetRuntimeClass(), RUNTIME_CLASS(CRtCircle));
}

TEST(CRuntimeClass, KindOfFollowsTheBaseChainUpOnly) {
    CRtCircle circle;
    CRtShape shape;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CRtCircle)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CRtShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CRtCircle)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CRtCreatable)));
    EXPECT_TRUE(RUNTIME_CLASS(CRtCircle)->IsDerivedFrom(RUNTIME_CLASS(CRtShape)));
    EXPECT_FALSE(RUNTIME_CLASS(CRtShape)->IsDerivedFrom(RUNTIME_CLASS(CRtCircle)));
    EXPECT_FALSE(RUNTIME_CLASS(CRtShape)->IsDerivedFrom(nullptr));
}

TEST(CRuntimeClass, SerializableOnlyWithASchema) {
    CRtShape shape;
    CRtDynamicOnly dynamicOnly(1);
    EXPECT_TRUE(shape.IsSerializable());
    EXPECT_FALSE(dynamicOnly.IsSerializable());
    EXPECT_FALSE(std::unique_ptr<CObject>(RUNTIME_CLASS(CRtCreatable)->CreateObject())->IsSerializable());
}

TEST(CRuntimeClass, CreatesObjectsOfTheRightClass) {
    std::unique_ptr<CObject> created(RUNTIME_CLASS(CRtCircle)->CreateObject());
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->GetRuntimeClass(), RUNTIME_CLASS(CRtCircle));

    std::unique_ptr<CObject> hidden(RUNTIME_CLASS(CRtCreatable)->CreateObject());
    ASSERT_NE(hidden, nullptr);
    EXPECT_TRUE(hidden->IsKindOf(RUNTIME_CLASS(CRtCreatable)));

    EXPECT_EQ(RUNTIME_CLASS(CRtDynamicOnly)->CreateObject(), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CObject)->CreateObject(), nullptr);
}

TEST(CRuntimeClass, FindsRegisteredClassesByName) {
    EXPECT_EQ(CRuntimeClass::FromName("CRtCircle"), RUNTIME_CLASS(CRtCircle));
    EXPECT_EQ(CRuntimeClass::FromName("CRtDynamicOnly"), RUNTIME_CLASS(CRtDynamicOnly));
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
    EXPECT_EQ(CRuntimeClass::FromName("CFileException"), RUNTIME_CLASS(CFileException));
    EXPECT_EQ(CRuntimeClass::FromName("crtcircle"), nullptr); // names are case-sensitive
    EXPECT_EQ(CRuntimeClass::FromName("CRtCircl"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(""), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);

    std::unique_ptr<CObject> byName(CRuntimeClass::CreateObject("CRtShape"));
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(byName->GetRuntimeClass(), RUNTIME_CLASS(CRtShape));
    EXPECT_EQ(CRuntimeClass::CreateObject("NoSuchClass"), nullptr);
}
