// CLogTextRow: the tab-separated form of a log entry, written and read.
#include "timelog/CLogTextRow.h"

#include "data/CCategory.h"
#include "data/CProject.h"
#include "foundation/LocaleFormat.h"
#include "timelog/CLogEntry.h"

namespace {

constexpr int kFields = 8;

CString DateAndTime(CTime time) {
    return AcxFormatDate(time) + " " + AcxFormatTime(time);
}

CString Unquoted(const CString& field) {
    const int n = field.GetLength();
    if (n >= 2 && field[0] == '"' && field[n - 1] == '"')
        return field.Mid(1, n - 2);
    return field;
}

} // namespace

CString CLogTextRow::Header() {
    return "Start\tStop\tActual Work\tProject\tCategory\tDescription\t";
}

CString CLogTextRow::Format(CLogEntry& entry) {
    const double hours = static_cast<double>(entry.m_Duration.GetTotalSeconds()) * (1.0 / 3600.0);
    CString row;
    row += DateAndTime(entry.m_StartTime) + "\t";
    row += DateAndTime(entry.m_EndTime) + "\t";
    row += AcxFormatNumber(hours, 2) + "\t";
    row += (entry.m_pProject != nullptr ? entry.m_pProject->m_Name : CString()) + "\t";
    row += (entry.m_pCategory != nullptr ? entry.m_pCategory->m_Name : CString()) + "\t";
    row += entry.m_Desc + "\t";
    row += CString(entry.m_Billed ? "1" : "0") + "\t";
    row += entry.GetUserName() + "\t";
    return row;
}

bool CLogTextRow::Parse(const CString& line) {
    CString text = line;
    if (!text.IsEmpty() && text[text.GetLength() - 1] == '\r')
        text = text.Left(text.GetLength() - 1);
    CString fields[kFields];
    int pos = 0;
    for (int i = 0; i < kFields; ++i) {
        const int tab = text.Find('\t', pos);
        if (tab < 0 && i < kFields - 1)
            return false;
        fields[i] = Unquoted(tab < 0 ? text.Mid(pos) : text.Mid(pos, tab - pos));
        pos = tab < 0 ? text.GetLength() : tab + 1;
    }
    // After the eighth field's own tab the line must end.
    if (pos < text.GetLength())
        return false;
    if (!AcxParseDateTime(fields[0], &m_Start) || !AcxParseDateTime(fields[1], &m_Stop))
        return false;
    double hours = 0.0;
    if (!fields[2].IsEmpty() && !ParseLocaleDouble(fields[2], &hours))
        return false;
    m_Project = fields[3];
    m_Category = fields[4];
    m_Desc = fields[5];
    m_Billed = fields[6] == "1" || fields[6].CompareNoCase("True") == 0;
    m_User = fields[7];
    return true;
}
