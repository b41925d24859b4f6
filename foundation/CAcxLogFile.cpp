#include "foundation/CAcxLogFile.h"

#include "framework/core/CSingleLock.h"

#include <cstdarg>

CAcxLogFile::CAcxLogFile(const char* fileName) : m_fileName(fileName) {}

CAcxLogFile::~CAcxLogFile() {
    if (m_file.m_pStream)
        m_file.Abort();
}

void CAcxLogFile::Log(const char* format, ...) {
    CSingleLock lock(&m_lock, TRUE);
    CString text;
    va_list args;
    va_start(args, format);
    text.FormatV(format, args);
    va_end(args);
    Append(text);
}

void CAcxLogFile::Append(const CString& text) {
    const UINT flags = CFile::modeWrite | CFile::modeCreate | CFile::modeNoTruncate | CFile::shareDenyWrite |
                       CFile::typeText;
    if (!m_file.Open(m_fileName, flags))
        return;
    try {
        m_file.SeekToEnd();
        m_file.WriteString(text);
        m_file.Close();
    } catch (CException* e) {
        // A log line that cannot be written is dropped; logging never disturbs the caller.
        e->Delete();
        m_file.Abort();
    }
}
