#include "data/CBill.h"

#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CBill, CObject, VERSIONABLE_SCHEMA | 1)

namespace {
constexpr DWORD kSchema = 1;
}

void CBill::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kSchema << m_Text1 << m_Value4 << m_Value8 << m_Text2;
        return;
    }
    DWORD schema = 0;
    ar >> schema;
    if (schema != kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> m_Text1 >> m_Value4 >> m_Value8 >> m_Text2;
}
