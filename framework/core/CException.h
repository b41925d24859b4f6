// Base of the framework's exceptions. They are thrown as heap pointers
// (`throw new CFileException(...)`) and the handler disposes of them with Delete().
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    // An exception made on the stack or kept for reuse passes FALSE so Delete() leaves it alone.
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}

    void Delete();

    // Copies the text describing the error into lpszError (always terminated when nMaxError > 0).
    // Returns FALSE when there is no text; the buffer then holds an empty string.
    virtual BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const;

    // Shows the error text (or the string resource nMessageID when there is none) in a message box,
    // through the application's message box when the window layer provides one (AfxMessageBox).
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    BOOL m_bAutoDelete;

protected:
    // Copies text into a caller's buffer, truncating; used by the GetErrorMessage overrides.
    static BOOL CopyMessage(const char* text, char* lpszError, UINT nMaxError);
};

// How ReportError shows its message box (text, MB_ flags, help id); nullptr for the system's own.
// The window layer's application object installs its AfxMessageBox. Returns the one it replaces.
using AFX_REPORT_PROC = int (*)(LPCSTR lpszText, UINT nType, UINT nIDHelp);
AFX_REPORT_PROC AfxSetReportErrorProc(AFX_REPORT_PROC pfnReport);

// Deletes the caught exception when the CATCH block ends unless THROW_LAST passed it on, as
// handlers written with the exception macros expect.
class AfxCatchGuard {
public:
    explicit AfxCatchGuard(CException* e) : m_e(e) {}
    ~AfxCatchGuard() {
        if (m_e)
            m_e->Delete();
    }
    AfxCatchGuard(const AfxCatchGuard&) = delete;
    AfxCatchGuard& operator=(const AfxCatchGuard&) = delete;
    void Release() { m_e = nullptr; }

private:
    CException* m_e;
};

#define TRY try
#define CATCH(class_name, e)                                                                                 \
    catch (class_name * e) {                                                                                 \
        AfxCatchGuard _afxCatchGuard(e);
#define AND_CATCH(class_name, e)                                                                             \
    }                                                                                                        \
    catch (class_name * e) {                                                                                 \
        AfxCatchGuard _afxCatchGuard(e);
#define END_CATCH }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) AND_CATCH(CException, e)
#define END_CATCH_ALL }
#define THROW(e) throw e
#define THROW_LAST()                                                                                         \
    do {                                                                                                     \
        _afxCatchGuard.Release();                                                                            \
        throw;                                                                                               \
    } while (0)
