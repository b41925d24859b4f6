// Appends formatted texts to a text log file. The file is opened and closed for every text, so a log
// stays complete and readable even when the program ends abruptly.
#pragma once

#include "framework/core/CCriticalSection.h"
#include "framework/core/CStdioFile.h"
#include "framework/core/CString.h"

class CAcxLogFile {
public:
    explicit CAcxLogFile(const char* fileName);
    ~CAcxLogFile();
    CAcxLogFile(const CAcxLogFile&) = delete;
    CAcxLogFile& operator=(const CAcxLogFile&) = delete;

    // Formats the text (printf rules) and appends it at the end of the file; "\n" becomes a line break of
    // the platform. Others are denied write access while the text is written. When the file cannot be
    // opened (for instance because another process has it open for writing), nothing is written and
    // nothing is raised.
    void Log(const char* format, ...) AFX_PRINTF_FORMAT(2, 3);

private:
    void Append(const CString& text);

    CCriticalSection m_lock;
    CString m_fileName;
    CStdioFile m_file;
};
