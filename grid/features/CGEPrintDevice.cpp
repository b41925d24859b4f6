#include "grid/features/CGEPrintDevice.h"

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"
#include "grid/core/CGEAbstractPrintDeviceImp.h"
#include "grid/core/CGELibraryState.h"
#include "grid/features/CGEPrintDeviceImp.h"

#include <memory>

IMPLEMENT_SERIAL(CGEPrintDevice, CObject, 1)

namespace {

constexpr WORD kSchema = 1;
// DEVMODE sizes are two WORDs (dmSize, dmDriverExtra); DEVNAMES holds three short names.
constexpr DWORD kMaxBlock = 0x20000;

// Reads a 32-bit size and that many bytes; null for a size of 0. A block larger than any printer's, or
// one that ends early, is refused.
std::unique_ptr<BYTE[]> ReadBlock(CArchive& ar, DWORD& dwSize) {
    ar >> dwSize;
    if (dwSize == 0)
        return nullptr;
    if (dwSize > kMaxBlock)
        AfxThrowArchiveException(CArchiveException::genericException);
    auto pBytes = std::make_unique<BYTE[]>(dwSize);
    if (ar.Read(pBytes.get(), dwSize) != dwSize)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    return pBytes;
}

} // namespace

CGEPrintDevice::CGEPrintDevice() : m_pImp(GEGetLibraryState()->m_pPrintDeviceImp) {}

CGEPrintDevice::~CGEPrintDevice() {
    if (m_pImp != nullptr)
        m_pImp->FreeDevice(this);
}

CGEPrintDevice& CGEPrintDevice::operator=(const CGEPrintDevice& other) {
    if (this != &other && m_pImp != nullptr)
        m_pImp->SetDevice(this, other.m_hDevNames, other.m_hDevMode);
    return *this;
}

HDC CGEPrintDevice::GetPrinterDC() {
    return m_pImp != nullptr ? m_pImp->GetDC(this) : nullptr;
}

void CGEPrintDevice::ResetPrinterDC() {
    if (m_pImp != nullptr)
        m_pImp->ResetDC(this);
    m_hPrintDC = nullptr;
}

void CGEPrintDevice::EnsureDevice() {
    if (m_hDevNames == nullptr && m_pImp != nullptr)
        m_pImp->ResetToDefaults(this);
}

void CGEPrintDevice::Serialize(CArchive& ar) {
    if (m_pImp == nullptr)
        return;
    if (ar.IsStoring()) {
        BYTE* pNames = nullptr;
        BYTE* pMode = nullptr;
        DWORD dwNamesSize = 0, dwModeSize = 0;
        m_pImp->GetDeviceBuffers(this, m_hDevNames, m_hDevMode, pNames, dwNamesSize, pMode, dwModeSize);
        const std::unique_ptr<BYTE[]> names(pNames), mode(pMode);
        ar << kSchema << dwNamesSize;
        if (dwNamesSize != 0)
            ar.Write(names.get(), dwNamesSize);
        ar << dwModeSize;
        if (dwModeSize != 0)
            ar.Write(mode.get(), dwModeSize);
        return;
    }
    WORD wSchema = 0;
    ar >> wSchema;
    if (wSchema != kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    DWORD dwNamesSize = 0, dwModeSize = 0;
    const std::unique_ptr<BYTE[]> names = ReadBlock(ar, dwNamesSize);
    const std::unique_ptr<BYTE[]> mode = ReadBlock(ar, dwModeSize);
    // The names and the mode go to the printer driver: only well-formed ones are kept.
    if ((names != nullptr && !GEIsValidDevNames(names.get(), dwNamesSize)) ||
        (mode != nullptr && !GEIsValidDevMode(mode.get(), dwModeSize)))
        AfxThrowArchiveException(CArchiveException::genericException);
    m_pImp->SetDeviceBuffers(this, names.get(), dwNamesSize, mode.get(), dwModeSize);
}
