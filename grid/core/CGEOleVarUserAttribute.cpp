#include "grid/core/CGEOleVarUserAttribute.h"

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"
#include "framework/core/CMemoryException.h"

#include <algorithm>
#include <cstring>
#include <vector>

IMPLEMENT_SERIAL(CGEOleVarUserAttribute, CGEAbstractUserAttribute, 1)

namespace {

constexpr VARTYPE kByteArray = VT_ARRAY | VT_UI1;

bool IsByteArray(const VARIANT& v) {
    return v.vt == kByteArray && v.parray != nullptr && SafeArrayGetDim(v.parray) == 1;
}

// The bytes of a one-dimensional byte array.
std::vector<BYTE> BytesOf(const VARIANT& v) {
    std::vector<BYTE> bytes;
    if (!IsByteArray(v))
        return bytes;
    LONG lower = 0, upper = -1;
    SafeArrayGetLBound(v.parray, 1, &lower);
    SafeArrayGetUBound(v.parray, 1, &upper);
    if (upper < lower)
        return bytes;
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(v.parray, &data)))
        return bytes;
    const auto* first = static_cast<const BYTE*>(data);
    bytes.assign(first, first + (static_cast<size_t>(upper) - static_cast<size_t>(lower) + 1));
    SafeArrayUnaccessData(v.parray);
    return bytes;
}

bool IsScalar(VARTYPE vt) {
    switch (vt) {
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_INT:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_DATE:
    case VT_BOOL:
    case VT_DECIMAL:
        return true;
    default:
        return false;
    }
}

CString AnsiOf(BSTR text) {
    const int length = text != nullptr ? static_cast<int>(SysStringLen(text)) : 0;
    if (length == 0)
        return CString();
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::vector<char> buffer(static_cast<size_t>(std::max(size, 0)));
    WideCharToMultiByte(CP_ACP, 0, text, length, buffer.data(), size, nullptr, nullptr);
    return CString(buffer.data(), size);
}

} // namespace

CString CGEOleVarUserAttribute::GetValueText() const {
    if (m_value.vt == VT_EMPTY || m_value.vt == VT_NULL || (m_value.vt & VT_ARRAY) != 0)
        return CString();
    if (m_value.vt == VT_BSTR)
        return AnsiOf(m_value.bstrVal);
    COleVariant text;
    if (FAILED(text.ChangeType(VT_BSTR, const_cast<COleVariant*>(&m_value))))
        return CString();
    return AnsiOf(text.bstrVal);
}

BOOL CGEOleVarUserAttribute::IsEmpty() const {
    if (IsByteArray(m_value))
        return BytesOf(m_value).empty() ? TRUE : FALSE;
    return GetValueText().IsEmpty() ? TRUE : FALSE;
}

BOOL CGEOleVarUserAttribute::IsEqual(const CGEAbstractUserAttribute& other) const {
    const auto* variant = dynamic_cast<const CGEOleVarUserAttribute*>(&other);
    if (variant != nullptr && (IsByteArray(m_value) || IsByteArray(variant->m_value)))
        return IsByteArray(m_value) && IsByteArray(variant->m_value) &&
                       BytesOf(m_value) == BytesOf(variant->m_value)
                   ? TRUE
                   : FALSE;
    return CGEAbstractUserAttribute::IsEqual(other);
}

void CGEOleVarUserAttribute::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        const VARTYPE vt = IsByteArray(m_value) ? kByteArray : m_value.vt;
        ar << static_cast<WORD>(vt);
        if (vt == kByteArray) {
            const std::vector<BYTE> bytes = BytesOf(m_value);
            ar << static_cast<DWORD>(bytes.size());
            if (!bytes.empty())
                ar.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        } else if (vt != VT_EMPTY && vt != VT_NULL) {
            ar << GetValueText();
        }
        return;
    }
    WORD vt = 0;
    ar >> vt;
    COleVariant value;
    if (vt == kByteArray) {
        DWORD size = 0;
        ar >> size;
        // Read in pieces, so a damaged size claims no memory the archive does not back with bytes.
        std::vector<BYTE> bytes;
        constexpr DWORD kPiece = 65536;
        while (bytes.size() < size) {
            const size_t piece = std::min<size_t>(kPiece, size - bytes.size());
            const size_t at = bytes.size();
            bytes.resize(at + piece);
            if (ar.Read(bytes.data() + at, static_cast<UINT>(piece)) != piece)
                AfxThrowArchiveException(CArchiveException::endOfFile);
        }
        SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
        if (array == nullptr)
            AfxThrowMemoryException();
        void* data = nullptr;
        if (SUCCEEDED(SafeArrayAccessData(array, &data))) {
            if (!bytes.empty())
                std::memcpy(data, bytes.data(), bytes.size());
            SafeArrayUnaccessData(array);
        }
        value.Clear();
        value.vt = kByteArray;
        value.parray = array;
    } else if (vt == VT_NULL) {
        value.vt = VT_NULL;
    } else if (vt != VT_EMPTY) {
        CString text;
        ar >> text;
        value = COleVariant(static_cast<LPCSTR>(text));
        // Back to the stored (plain scalar) type when the text converts; otherwise the text stays.
        if (IsScalar(vt))
            value.ChangeType(vt);
    }
    m_value = std::move(value);
}
