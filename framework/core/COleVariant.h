// COleVariant: an owning VARIANT. It is a VARIANT (so it passes wherever one is expected) and clears
// what it holds when destroyed or overwritten.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/COleDateTime.h"

#include <oleauto.h>

using LPCVARIANT = const VARIANT*;

class COleVariant : public tagVARIANT {
public:
    COleVariant() noexcept;
    COleVariant(const VARIANT& src);
    COleVariant(const COleVariant& src);
    COleVariant(COleVariant&& src) noexcept;
    // VT_BSTR holding the text converted from the ANSI code page; nullptr gives an empty text.
    COleVariant(LPCSTR text);
    COleVariant(int value) noexcept;    // VT_I4
    COleVariant(long value) noexcept;   // VT_I4
    COleVariant(short value) noexcept;  // VT_I2
    COleVariant(double value) noexcept; // VT_R8
    COleVariant(bool value) noexcept;   // VT_BOOL (VARIANT_TRUE / VARIANT_FALSE)
    // VT_DATE with the serial; a date whose status is null gives VT_NULL.
    COleVariant(const COleDateTime& value) noexcept;
    ~COleVariant();

    COleVariant& operator=(const COleVariant& src);
    COleVariant& operator=(COleVariant&& src) noexcept;
    COleVariant& operator=(const VARIANT& src);

    // Releases what is held; the variant becomes VT_EMPTY.
    void Clear() noexcept;
    // Converts src (or this variant itself when src is nullptr) to type vt into this variant, with
    // VariantChangeType's rules. On failure the variant is left as it was and the error returned.
    HRESULT ChangeType(VARTYPE vt, LPVARIANT src = nullptr) noexcept;
    // Takes over src's contents (src becomes VT_EMPTY), releasing what this variant held.
    void Attach(VARIANT& src) noexcept;
    // Hands the contents to the caller, who must clear them; this variant becomes VT_EMPTY.
    VARIANT Detach() noexcept;

    operator LPVARIANT() noexcept { return this; }
    operator LPCVARIANT() const noexcept { return this; }
};
