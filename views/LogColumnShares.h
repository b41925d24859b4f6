// How the time log view shares the width of its grid out among its columns: each column holds a share
// in units of 1/10000 of the data width (0 for a hidden column), kept by list index. Plain arithmetic,
// apart from the view so that it can be checked without a window.
#pragma once

#include "framework/core/CDWordArray.h"

#include <vector>

namespace LogColumnShares {

constexpr long kWhole = 10000;

// After a layout: when the shares add up to less than the whole and descriptionIndex names a visible
// column (-1: none), that column receives the remainder; otherwise every share s becomes
// s + trunc((whole - total) x s / total), so the total may end a few units short.
void Fit(CDWordArray& shares, int descriptionIndex);

// The share of a new pixel width of a data width (0 when the data width is not positive).
long ShareOfWidth(int width, int dataWidth);
// The pixel width of a share of a data width.
int WidthOfShare(long share, int dataWidth);

// The user made the column at position (of displayOrder: the list indexes of the shown columns in
// display order) newShare wide. The columns to its right give or take the difference in proportion to
// their shares, the last of them taking what rounding leaves, so the total stays as it was. The new
// share is limited to what the columns to the right can give; a column given nothing keeps its place
// and takes a share again at the next resize. Refused (false, nothing changed) for the last position.
bool Resize(CDWordArray& shares, const std::vector<int>& displayOrder, int position, long newShare);

} // namespace LogColumnShares
