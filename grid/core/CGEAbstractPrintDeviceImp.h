// Print device (application-wide): a grid's own printer, kept with its parameter object. Every
// operation takes the device first; a null device does nothing and answers 0.
#pragma once

#include "framework/core/CObject.h"

class CGEPrintDevice;
class CPrintDialog;
class CPrintInfo;
class CView;

class CGEAbstractPrintDeviceImp : public CObject {
public:
    // The framework's printing uses the device's printer (the application's printer becomes a copy).
    virtual void MakeAppPrinter(CGEPrintDevice* pDevice) = 0;
    // The print dialog with the device's printer (pDevice a CGEPrintDevice); the dialog's result.
    virtual int DoPrintSetup(CObject* pDevice, CPrintDialog* pDialog) = 0;
    // The view's DoPreparePrinting with the device's printer (pDevice a CGEPrintDevice); TRUE when
    // printing may start.
    virtual BOOL PreparePrinting(CObject* pDevice, CView* pView, CPrintInfo* pInfo) = 0;
    // Copies of the blocks become the device's (a null handle counts as none).
    virtual void SetDevice(CGEPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) = 0;
    virtual void SetDeviceBuffers(CGEPrintDevice* pDevice, const void* pDevNames, DWORD dwNamesSize,
                                  const void* pDevMode, DWORD dwModeSize) = 0;
    virtual void FreeDevice(CGEPrintDevice* pDevice) = 0;
    // Heap copies (new BYTE[]; the caller deletes them) of the blocks; null and 0 for a null handle.
    virtual void GetDeviceBuffers(CGEPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode, BYTE*& pNames,
                                  DWORD& dwNamesSize, BYTE*& pMode, DWORD& dwModeSize) = 0;
    // The system's default printer, its TrueType fonts printed as graphics; nothing without one.
    virtual void ResetToDefaults(CGEPrintDevice* pDevice) = 0;
    virtual HDC GetDC(CGEPrintDevice* pDevice) = 0;
    virtual void ResetDC(CGEPrintDevice* pDevice) = 0;
    // New global copies of the held blocks (both null when no names are held); the caller owns them.
    virtual void GetDeviceHandles(CGEPrintDevice* pDevice, HGLOBAL& hDevNames, HGLOBAL& hDevMode) = 0;
    // TRUE when the held blocks equal the given ones byte for byte.
    virtual BOOL CompareDevice(CGEPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) = 0;
    virtual BOOL CompareBuffers(CGEPrintDevice* pDevice, const void* pDevNames, DWORD dwNamesSize,
                                const void* pDevMode, DWORD dwModeSize) = 0;

protected:
    CGEAbstractPrintDeviceImp() = default;
};
