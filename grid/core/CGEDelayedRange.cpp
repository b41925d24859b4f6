#include "grid/core/CGEDelayedRange.h"

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"

#include <algorithm>

IMPLEMENT_SERIAL(CGEDelayedRange, CObject, 1)

void CGEDelayedRange::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_range;
        m_awStarts.Serialize(ar);
        m_awEnds.Serialize(ar);
        return;
    }
    ar >> m_range;
    m_awStarts.Serialize(ar);
    m_awEnds.Serialize(ar);
    bool sound = m_awStarts.GetSize() == m_awEnds.GetSize();
    for (INT_PTR i = 0; sound && i < m_awStarts.GetSize(); ++i)
        sound = m_awStarts[i] <= m_awEnds[i] && (i == 0 || m_awEnds[i - 1] < m_awStarts[i]);
    if (!sound) {
        m_awStarts.RemoveAll();
        m_awEnds.RemoveAll();
        AfxThrowArchiveException(CArchiveException::genericException);
    }
    m_bDone = BandsCoverRange();
}

void CGEDelayedRange::Copy(const CGEDelayedRange& src) {
    m_range = src.m_range;
    m_awStarts.Copy(src.m_awStarts);
    m_awEnds.Copy(src.m_awEnds);
    m_bDone = src.m_bDone;
}

void CGEDelayedRange::Reset() {
    m_awStarts.RemoveAll();
    m_awEnds.RemoveAll();
    m_bDone = TRUE;
}

BOOL CGEDelayedRange::BandsCoverRange() const {
    return m_awStarts.GetSize() == 1 && m_awStarts[0] <= m_range.top && m_awEnds[0] >= m_range.bottom;
}

BOOL CGEDelayedRange::AddEvaluatedBand(CGECellRange& b) {
    INT_PTR i = 0;
    bool merged = false;
    for (; i < m_awStarts.GetSize(); ++i) {
        const DWORD start = m_awStarts[i];
        const DWORD end = m_awEnds[i];
        if (static_cast<ULONGLONG>(end) + 1 < b.top)
            continue;
        if (start > static_cast<ULONGLONG>(b.bottom) + 1)
            break;
        if (start <= b.top) {
            if (end >= b.bottom)
                return FALSE; // all of b was evaluated before
            b.top = end + 1;
            m_awEnds[i] = b.bottom;
        } else if (end >= b.bottom) {
            b.bottom = start - 1;
            m_awStarts[i] = b.top;
        } else {
            m_awStarts[i] = b.top;
            m_awEnds[i] = b.bottom;
        }
        merged = true;
        break;
    }
    if (!merged) {
        m_awStarts.InsertAt(i, b.top);
        m_awEnds.InsertAt(i, b.bottom);
    }
    // Join overlapping and adjacent neighbours, so a fully evaluated range ends as one band.
    for (INT_PTR j = 0; j + 1 < m_awStarts.GetSize();) {
        if (static_cast<ULONGLONG>(m_awEnds[j]) + 1 >= m_awStarts[j + 1]) {
            m_awEnds[j] = std::max(m_awEnds[j], m_awEnds[j + 1]);
            m_awStarts.RemoveAt(j + 1);
            m_awEnds.RemoveAt(j + 1);
        } else {
            ++j;
        }
    }
    if (BandsCoverRange())
        Reset();
    return TRUE;
}
