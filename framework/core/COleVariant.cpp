#include "framework/core/COleVariant.h"

#include "framework/core/CMemoryException.h"

namespace {

BSTR AllocFromAnsi(LPCSTR text) {
    if (text == nullptr || *text == '\0')
        return SysAllocStringLen(nullptr, 0);
    const int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (size <= 0)
        return SysAllocStringLen(nullptr, 0);
    BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(size - 1));
    if (result != nullptr)
        MultiByteToWideChar(CP_ACP, 0, text, -1, result, size);
    return result;
}

} // namespace

COleVariant::COleVariant() noexcept : tagVARIANT() {
    VariantInit(this);
}

COleVariant::COleVariant(const VARIANT& src) : COleVariant() {
    *this = src;
}

COleVariant::COleVariant(const COleVariant& src) : COleVariant() {
    *this = static_cast<const VARIANT&>(src);
}

COleVariant::COleVariant(COleVariant&& src) noexcept : COleVariant() {
    Attach(src);
}

COleVariant::COleVariant(LPCSTR text) : COleVariant() {
    BSTR value = AllocFromAnsi(text);
    if (value == nullptr)
        AfxThrowMemoryException();
    vt = VT_BSTR;
    bstrVal = value;
}

COleVariant::COleVariant(int value) noexcept : COleVariant() {
    vt = VT_I4;
    lVal = value;
}

COleVariant::COleVariant(long value) noexcept : COleVariant() {
    vt = VT_I4;
    lVal = value;
}

COleVariant::COleVariant(short value) noexcept : COleVariant() {
    vt = VT_I2;
    iVal = value;
}

COleVariant::COleVariant(double value) noexcept : COleVariant() {
    vt = VT_R8;
    dblVal = value;
}

COleVariant::COleVariant(bool value) noexcept : COleVariant() {
    vt = VT_BOOL;
    boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

COleVariant::COleVariant(const COleDateTime& value) noexcept : COleVariant() {
    if (value.GetStatus() == COleDateTime::null) {
        vt = VT_NULL;
        return;
    }
    vt = VT_DATE;
    date = value.m_dt;
}

COleVariant::~COleVariant() {
    Clear();
}

COleVariant& COleVariant::operator=(const COleVariant& src) {
    return *this = static_cast<const VARIANT&>(src);
}

COleVariant& COleVariant::operator=(COleVariant&& src) noexcept {
    if (this != &src)
        Attach(src);
    return *this;
}

COleVariant& COleVariant::operator=(const VARIANT& src) {
    if (&src == this)
        return *this;
    // Copy first, so that a failed copy leaves this variant untouched.
    VARIANT copy;
    VariantInit(&copy);
    const HRESULT hr = VariantCopy(&copy, const_cast<VARIANT*>(&src));
    if (FAILED(hr)) {
        if (hr == E_OUTOFMEMORY)
            AfxThrowMemoryException();
        return *this; // a source that cannot be copied (e.g. a bad type) changes nothing
    }
    Attach(copy);
    return *this;
}

void COleVariant::Clear() noexcept {
    VariantClear(this);
    vt = VT_EMPTY; // VariantClear leaves the type as it was when it fails
}

HRESULT COleVariant::ChangeType(VARTYPE type, LPVARIANT src) noexcept {
    VARIANT* from = src != nullptr ? src : this;
    if (from == this && vt == type)
        return S_OK;
    VARIANT converted;
    VariantInit(&converted);
    const HRESULT hr = VariantChangeType(&converted, from, 0, type);
    if (SUCCEEDED(hr))
        Attach(converted);
    return hr;
}

void COleVariant::Attach(VARIANT& src) noexcept {
    Clear();
    static_cast<VARIANT&>(*this) = src;
    src.vt = VT_EMPTY;
}

VARIANT COleVariant::Detach() noexcept {
    VARIANT result = *this;
    vt = VT_EMPTY;
    return result;
}
