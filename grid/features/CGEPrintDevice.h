// CGEPrintDevice: the printer a grid was set up for, kept with its parameter object and its document: a
// copy of the printer's DEVNAMES and DEVMODE in global memory, and the printer's device context made from
// them on first request. Every operation forwards to the print-device feature the program had when the
// device was made; without it the device does nothing and answers 0.
#pragma once

#include "framework/core/CObject.h"

class CGEAbstractPrintDeviceImp;

class CGEPrintDevice : public CObject {
    DECLARE_SERIAL(CGEPrintDevice)
public:
    CGEPrintDevice();
    ~CGEPrintDevice() override;
    // Copies the other device's blocks (nothing when assigned to itself).
    CGEPrintDevice& operator=(const CGEPrintDevice& other);
    CGEPrintDevice(const CGEPrintDevice&) = delete;

    // Schema WORD 1, then the DEVNAMES and the DEVMODE, each as a 32-bit size and its bytes. Loading
    // refuses another schema (badSchema) and blocks that are no DEVNAMES or DEVMODE (generic).
    void Serialize(CArchive& ar) override;

    // The printer's device context, made on first request (the default printer when none is held); the
    // device keeps and deletes it.
    virtual HDC GetPrinterDC();
    // Deletes the kept device context.
    virtual void ResetPrinterDC();
    // The system's default printer when no printer is held.
    void EnsureDevice();

    HGLOBAL m_hDevMode = nullptr;  // owned
    HGLOBAL m_hDevNames = nullptr; // owned
    HDC m_hPrintDC = nullptr;      // owned
    CGEAbstractPrintDeviceImp* m_pImp;
};
