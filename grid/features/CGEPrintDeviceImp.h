// CGEPrintDeviceImp: the work of CGEPrintDevice (application-wide): copying, comparing and freeing the
// printer blocks, the printer's device context, the system's default printer, and the print dialogs of a
// grid view running on the grid's own printer.
#pragma once

#include "grid/core/CGEAbstractPrintDeviceImp.h"

class CGEPrintDeviceImp : public CGEAbstractPrintDeviceImp {
public:
    void MakeAppPrinter(CGEPrintDevice* pDevice) override;
    int DoPrintSetup(CObject* pDevice, CPrintDialog* pDialog) override;
    BOOL PreparePrinting(CObject* pDevice, CView* pView, CPrintInfo* pInfo) override;
    void SetDevice(CGEPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) override;
    // A failed allocation throws the memory exception after both blocks were tried.
    void SetDeviceBuffers(CGEPrintDevice* pDevice, const void* pDevNames, DWORD dwNamesSize,
                          const void* pDevMode, DWORD dwModeSize) override;
    void FreeDevice(CGEPrintDevice* pDevice) override;
    void GetDeviceBuffers(CGEPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode, BYTE*& pNames,
                          DWORD& dwNamesSize, BYTE*& pMode, DWORD& dwModeSize) override;
    void ResetToDefaults(CGEPrintDevice* pDevice) override;
    HDC GetDC(CGEPrintDevice* pDevice) override;
    void ResetDC(CGEPrintDevice* pDevice) override;
    void GetDeviceHandles(CGEPrintDevice* pDevice, HGLOBAL& hDevNames, HGLOBAL& hDevMode) override;
    BOOL CompareDevice(CGEPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) override;
    BOOL CompareBuffers(CGEPrintDevice* pDevice, const void* pDevNames, DWORD dwNamesSize,
                        const void* pDevMode, DWORD dwModeSize) override;
};

// Installs the print-device feature into the engine state once (kept until the program ends).
void GEInstallPrintDevice();
// TRUE when the bytes are a DEVNAMES whose three names lie inside them, NUL-terminated.
BOOL GEIsValidDevNames(const void* pBytes, DWORD dwSize);
// TRUE when the bytes are a DEVMODE whose own sizes fit them.
BOOL GEIsValidDevMode(const void* pBytes, DWORD dwSize);
