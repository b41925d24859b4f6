#include "grid/features/CGEPrintDeviceImp.h"

#include "framework/core/CMemoryException.h"
#include "framework/win/CPrintDialog.h"
#include "framework/win/CPrintInfo.h"
#include "framework/win/CView.h"
#include "framework/win/CWaitCursor.h"
#include "framework/win/CWinApp.h"
#include "grid/core/CGELibraryState.h"
#include "grid/features/CGEPrintDevice.h"

#include <cstddef>
#include <cstring>
#include <memory>

namespace {

constexpr UINT kBlockFlags = GMEM_MOVEABLE | GMEM_DISCARDABLE;
constexpr DWORD kDefaultsFlags =
    PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;

CGEPrintDevice* AsDevice(CObject* pObject) {
    return dynamic_cast<CGEPrintDevice*>(pObject);
}

// A new movable global block holding a copy of the bytes; null when the allocation failed.
HGLOBAL CopyToGlobal(const void* pBytes, DWORD dwSize) {
    HGLOBAL hBlock = ::GlobalAlloc(kBlockFlags, dwSize);
    if (hBlock == nullptr)
        return nullptr;
    void* p = ::GlobalLock(hBlock);
    if (p == nullptr) {
        ::GlobalFree(hBlock);
        return nullptr;
    }
    std::memcpy(p, pBytes, dwSize);
    ::GlobalUnlock(hBlock);
    return hBlock;
}

// The bytes of a global block, locked for the life of the object; size 0 for a null handle.
class LockedBlock {
public:
    explicit LockedBlock(HGLOBAL hBlock) : m_hBlock(hBlock) {
        if (hBlock != nullptr) {
            m_p = static_cast<const BYTE*>(::GlobalLock(hBlock));
            m_dwSize = m_p != nullptr ? static_cast<DWORD>(::GlobalSize(hBlock)) : 0;
        }
    }
    ~LockedBlock() {
        if (m_p != nullptr)
            ::GlobalUnlock(m_hBlock);
    }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;

    const BYTE* Bytes() const { return m_p; }
    DWORD Size() const { return m_dwSize; }

private:
    HGLOBAL m_hBlock;
    const BYTE* m_p = nullptr;
    DWORD m_dwSize = 0;
};

// The NUL-terminated text at a DEVNAMES offset, or null when it does not lie inside the block.
LPCSTR DevNamesText(const BYTE* pBytes, DWORD dwSize, WORD wOffset) {
    if (wOffset < sizeof(DEVNAMES) || wOffset >= dwSize)
        return nullptr;
    const void* pEnd = std::memchr(pBytes + wOffset, '\0', dwSize - wOffset);
    return pEnd != nullptr ? reinterpret_cast<LPCSTR>(pBytes + wOffset) : nullptr;
}

BOOL SameBytes(HGLOBAL hHeld, const void* pBytes, DWORD dwSize) {
    if (hHeld == nullptr)
        return dwSize == 0;
    const LockedBlock held(hHeld);
    return held.Bytes() != nullptr && held.Size() == dwSize &&
           (dwSize == 0 || std::memcmp(held.Bytes(), pBytes, dwSize) == 0);
}

} // namespace

BOOL GEIsValidDevNames(const void* pBytes, DWORD dwSize) {
    if (pBytes == nullptr || dwSize < sizeof(DEVNAMES))
        return FALSE;
    const auto* p = static_cast<const BYTE*>(pBytes);
    DEVNAMES names{};
    std::memcpy(&names, p, sizeof names);
    return DevNamesText(p, dwSize, names.wDriverOffset) != nullptr &&
           DevNamesText(p, dwSize, names.wDeviceOffset) != nullptr &&
           DevNamesText(p, dwSize, names.wOutputOffset) != nullptr;
}

BOOL GEIsValidDevMode(const void* pBytes, DWORD dwSize) {
    constexpr DWORD kMinimum = offsetof(DEVMODEA, dmFields) + sizeof(DWORD);
    if (pBytes == nullptr || dwSize < kMinimum)
        return FALSE;
    WORD wSize = 0, wExtra = 0;
    std::memcpy(&wSize, static_cast<const BYTE*>(pBytes) + offsetof(DEVMODEA, dmSize), sizeof wSize);
    std::memcpy(&wExtra, static_cast<const BYTE*>(pBytes) + offsetof(DEVMODEA, dmDriverExtra), sizeof wExtra);
    return wSize >= kMinimum && static_cast<DWORD>(wSize) + wExtra <= dwSize;
}

void GEInstallPrintDevice() {
    CGELibraryState* state = GEGetLibraryState();
    if (state->m_pPrintDeviceImp != nullptr)
        return;
    auto imp = std::make_unique<CGEPrintDeviceImp>();
    state->m_pPrintDeviceImp = imp.get();
    state->AddAutoDeleteObject(imp.release());
}

void CGEPrintDeviceImp::MakeAppPrinter(CGEPrintDevice* pDevice) {
    CWinApp* pApp = AfxGetApp();
    if (pDevice == nullptr || pApp == nullptr)
        return;
    HGLOBAL hNames = nullptr, hMode = nullptr;
    GetDeviceHandles(pDevice, hNames, hMode);
    pApp->SelectPrinter(hNames, hMode, TRUE);
}

int CGEPrintDeviceImp::DoPrintSetup(CObject* pObject, CPrintDialog* pDialog) {
    CGEPrintDevice* pDevice = AsDevice(pObject);
    CWinApp* pApp = AfxGetApp();
    if (pDevice == nullptr || pDialog == nullptr || pApp == nullptr)
        return 0;
    CWaitCursor wait;
    pDevice->EnsureDevice();
    MakeAppPrinter(pDevice);
    const int nResult = static_cast<int>(pApp->DoPrintDialog(pDialog));
    if (nResult == IDOK)
        SetDevice(pDevice, pDialog->m_pd.hDevNames, pDialog->m_pd.hDevMode);
    return nResult;
}

BOOL CGEPrintDeviceImp::PreparePrinting(CObject* pObject, CView* pView, CPrintInfo* pInfo) {
    if (pView == nullptr || pInfo == nullptr)
        return FALSE;
    CGEPrintDevice* pDevice = AsDevice(pObject);
    if (pDevice == nullptr)
        return pView->DoPreparePrinting(pInfo);
    CWaitCursor wait;
    pDevice->EnsureDevice();
    MakeAppPrinter(pDevice);
    const BOOL bResult = pView->DoPreparePrinting(pInfo);
    if (bResult && pInfo->m_pPD != nullptr) {
        const PRINTDLGA& pd = pInfo->m_pPD->m_pd;
        if (!CompareDevice(pDevice, pd.hDevNames, pd.hDevMode))
            SetDevice(pDevice, pd.hDevNames, pd.hDevMode);
    }
    return bResult;
}

void CGEPrintDeviceImp::SetDevice(CGEPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) {
    if (pDevice == nullptr)
        return;
    // Copies first: the blocks given may be the device's own.
    BYTE* pNames = nullptr;
    BYTE* pMode = nullptr;
    DWORD dwNamesSize = 0, dwModeSize = 0;
    GetDeviceBuffers(pDevice, hDevNames, hDevMode, pNames, dwNamesSize, pMode, dwModeSize);
    const std::unique_ptr<BYTE[]> names(pNames), mode(pMode);
    SetDeviceBuffers(pDevice, names.get(), dwNamesSize, mode.get(), dwModeSize);
}

void CGEPrintDeviceImp::SetDeviceBuffers(CGEPrintDevice* pDevice, const void* pDevNames, DWORD dwNamesSize,
                                         const void* pDevMode, DWORD dwModeSize) {
    if (pDevice == nullptr)
        return;
    FreeDevice(pDevice);
    BOOL bFailed = FALSE;
    if (dwNamesSize != 0 && pDevNames != nullptr) {
        pDevice->m_hDevNames = CopyToGlobal(pDevNames, dwNamesSize);
        bFailed = pDevice->m_hDevNames == nullptr;
    }
    if (dwModeSize != 0 && pDevMode != nullptr) {
        pDevice->m_hDevMode = CopyToGlobal(pDevMode, dwModeSize);
        bFailed = bFailed || pDevice->m_hDevMode == nullptr;
    }
    if (bFailed)
        AfxThrowMemoryException();
}

void CGEPrintDeviceImp::FreeDevice(CGEPrintDevice* pDevice) {
    if (pDevice == nullptr)
        return;
    pDevice->ResetPrinterDC();
    if (pDevice->m_hDevNames != nullptr)
        ::GlobalFree(pDevice->m_hDevNames);
    if (pDevice->m_hDevMode != nullptr)
        ::GlobalFree(pDevice->m_hDevMode);
    pDevice->m_hDevNames = nullptr;
    pDevice->m_hDevMode = nullptr;
}

void CGEPrintDeviceImp::GetDeviceBuffers(CGEPrintDevice*, HGLOBAL hDevNames, HGLOBAL hDevMode, BYTE*& pNames,
                                         DWORD& dwNamesSize, BYTE*& pMode, DWORD& dwModeSize) {
    auto copy = [](HGLOBAL hBlock, BYTE*& pCopy, DWORD& dwSize) {
        pCopy = nullptr;
        dwSize = 0;
        const LockedBlock block(hBlock);
        if (block.Bytes() == nullptr || block.Size() == 0)
            return;
        pCopy = new BYTE[block.Size()];
        std::memcpy(pCopy, block.Bytes(), block.Size());
        dwSize = block.Size();
    };
    copy(hDevNames, pNames, dwNamesSize);
    try {
        copy(hDevMode, pMode, dwModeSize);
    } catch (...) {
        delete[] pNames;
        pNames = nullptr;
        throw;
    }
}

void CGEPrintDeviceImp::ResetToDefaults(CGEPrintDevice* pDevice) {
    if (pDevice == nullptr)
        return;
    CPrintDialog defaults(TRUE, kDefaultsFlags);
    if (!defaults.GetDefaults())
        return;
    // The dialog's handles are ours to free once copied.
    struct FreeHandles {
        PRINTDLGA& pd;
        ~FreeHandles() {
            if (pd.hDevNames != nullptr)
                ::GlobalFree(pd.hDevNames);
            if (pd.hDevMode != nullptr)
                ::GlobalFree(pd.hDevMode);
            pd.hDevNames = pd.hDevMode = nullptr;
        }
    } freeHandles{defaults.m_pd};
    if (defaults.m_pd.hDevMode != nullptr) {
        if (auto* pMode = static_cast<DEVMODEA*>(::GlobalLock(defaults.m_pd.hDevMode))) {
            pMode->dmTTOption = DMTT_BITMAP;
            ::GlobalUnlock(defaults.m_pd.hDevMode);
        }
    }
    SetDevice(pDevice, defaults.m_pd.hDevNames, defaults.m_pd.hDevMode);
}

HDC CGEPrintDeviceImp::GetDC(CGEPrintDevice* pDevice) {
    if (pDevice == nullptr)
        return nullptr;
    if (pDevice->m_hPrintDC == nullptr) {
        pDevice->EnsureDevice();
        const LockedBlock names(pDevice->m_hDevNames);
        if (!GEIsValidDevNames(names.Bytes(), names.Size()))
            return nullptr;
        DEVNAMES header{};
        std::memcpy(&header, names.Bytes(), sizeof header);
        const LockedBlock mode(pDevice->m_hDevMode);
        const auto* pMode = GEIsValidDevMode(mode.Bytes(), mode.Size())
                                ? reinterpret_cast<const DEVMODEA*>(mode.Bytes())
                                : nullptr;
        pDevice->m_hPrintDC =
            ::CreateDCA(DevNamesText(names.Bytes(), names.Size(), header.wDriverOffset),
                        DevNamesText(names.Bytes(), names.Size(), header.wDeviceOffset), nullptr, pMode);
    }
    return pDevice->m_hPrintDC;
}

void CGEPrintDeviceImp::ResetDC(CGEPrintDevice* pDevice) {
    if (pDevice != nullptr && pDevice->m_hPrintDC != nullptr) {
        ::DeleteDC(pDevice->m_hPrintDC);
        pDevice->m_hPrintDC = nullptr;
    }
}

void CGEPrintDeviceImp::GetDeviceHandles(CGEPrintDevice* pDevice, HGLOBAL& hDevNames, HGLOBAL& hDevMode) {
    hDevNames = hDevMode = nullptr;
    if (pDevice == nullptr || pDevice->m_hDevNames == nullptr)
        return;
    auto copy = [](HGLOBAL hBlock) -> HGLOBAL {
        const LockedBlock block(hBlock);
        return block.Bytes() != nullptr ? CopyToGlobal(block.Bytes(), block.Size()) : nullptr;
    };
    hDevNames = copy(pDevice->m_hDevNames);
    hDevMode = pDevice->m_hDevMode != nullptr ? copy(pDevice->m_hDevMode) : nullptr;
    if (hDevNames == nullptr || (pDevice->m_hDevMode != nullptr && hDevMode == nullptr)) {
        if (hDevNames != nullptr)
            ::GlobalFree(hDevNames);
        if (hDevMode != nullptr)
            ::GlobalFree(hDevMode);
        hDevNames = hDevMode = nullptr;
        AfxThrowMemoryException();
    }
}

BOOL CGEPrintDeviceImp::CompareDevice(CGEPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) {
    if (pDevice == nullptr)
        return FALSE;
    BYTE* pNames = nullptr;
    BYTE* pMode = nullptr;
    DWORD dwNamesSize = 0, dwModeSize = 0;
    GetDeviceBuffers(pDevice, hDevNames, hDevMode, pNames, dwNamesSize, pMode, dwModeSize);
    const std::unique_ptr<BYTE[]> names(pNames), mode(pMode);
    return CompareBuffers(pDevice, names.get(), dwNamesSize, mode.get(), dwModeSize);
}

BOOL CGEPrintDeviceImp::CompareBuffers(CGEPrintDevice* pDevice, const void* pDevNames, DWORD dwNamesSize,
                                       const void* pDevMode, DWORD dwModeSize) {
    if (pDevice == nullptr)
        return FALSE;
    return SameBytes(pDevice->m_hDevNames, pDevNames, dwNamesSize) &&
           SameBytes(pDevice->m_hDevMode, pDevMode, dwModeSize);
}
