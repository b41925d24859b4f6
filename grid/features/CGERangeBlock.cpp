#include "grid/features/CGERangeBlock.h"

#include "framework/core/CDWordArray.h"
#include "grid/core/CGERangeList.h"

namespace {

std::vector<CGERangeBlock::Span> SpansOf(const CDWordArray& starts, const CDWordArray& ends) {
    std::vector<CGERangeBlock::Span> spans;
    for (INT_PTR i = 0; i < starts.GetSize() && i < ends.GetSize(); ++i)
        if (starts[i] <= ends[i])
            spans.emplace_back(starts[i], ends[i]);
    return spans;
}

} // namespace

CGERangeBlock::CGERangeBlock(const CGERangeList& list, ROWCOL nLastRow, ROWCOL nLastCol) {
    CDWordArray starts, ends;
    if (list.GetRowSpans(nLastRow, starts, ends, FALSE))
        m_rows = SpansOf(starts, ends);
    if (list.GetColumnSpans(nLastCol, starts, ends, FALSE))
        m_cols = SpansOf(starts, ends);
}

ULONGLONG CGERangeBlock::Count(const std::vector<Span>& spans) {
    ULONGLONG nCount = 0;
    for (const Span& span : spans)
        nCount += static_cast<ULONGLONG>(span.second) - span.first + 1;
    return nCount;
}
