#include "views/LogColumnShares.h"

#include <algorithm>
#include <cmath>

namespace LogColumnShares {

void Fit(CDWordArray& shares, int descriptionIndex) {
    long long total = 0;
    for (INT_PTR i = 0; i < shares.GetSize(); ++i)
        total += shares[i];
    const bool descriptionShown =
        descriptionIndex >= 0 && descriptionIndex < shares.GetSize() && shares[descriptionIndex] != 0;
    if (total < kWhole && descriptionShown) {
        shares[descriptionIndex] += static_cast<DWORD>(kWhole - total);
        return;
    }
    if (total < 1)
        return;
    // Growing truncates each share; shrinking rounds each down, so that the total never passes the whole
    // (the columns would run past the window).
    const double difference = kWhole - static_cast<double>(total);
    for (INT_PTR i = 0; i < shares.GetSize(); ++i) {
        const double share = shares[i];
        const double change = difference * share / total;
        const double grown = share + (difference >= 0 ? std::trunc(change) : std::floor(change));
        shares[i] = static_cast<DWORD>(std::max(grown, 0.0));
    }
}

long ShareOfWidth(int width, int dataWidth) {
    if (dataWidth <= 0)
        return 0;
    return static_cast<long>(static_cast<long long>(std::max(width, 0)) * kWhole / dataWidth);
}

int WidthOfShare(long share, int dataWidth) {
    return static_cast<int>(static_cast<long long>(share) * dataWidth / kWhole);
}

bool Resize(CDWordArray& shares, const std::vector<int>& displayOrder, int position, long newShare) {
    const int count = static_cast<int>(displayOrder.size());
    if (position < 0 || position >= count - 1)
        return false;
    for (int index : displayOrder) {
        if (index < 0 || index >= shares.GetSize())
            return false;
    }
    auto shareAt = [&](int pos) -> long long { return shares[displayOrder[static_cast<size_t>(pos)]]; };
    long long rightSum = 0;
    for (int pos = position + 1; pos < count; ++pos)
        rightSum += shareAt(pos);
    const int index = displayOrder[static_cast<size_t>(position)];
    // Signed and limited: the columns to the right can give at most what they hold.
    const long long oldShare = shares[index];
    const long long share = std::clamp<long long>(newShare, 0, oldShare + rightSum);
    const long long remaining = rightSum - (share - oldShare);
    shares[index] = static_cast<DWORD>(share);
    long long given = 0;
    const int last = count - 1;
    for (int pos = position + 1; pos < last && rightSum != 0; ++pos) {
        const long long part = shareAt(pos) * remaining / rightSum;
        shares[displayOrder[static_cast<size_t>(pos)]] = static_cast<DWORD>(part);
        given += part;
    }
    shares[displayOrder[static_cast<size_t>(last)]] = static_cast<DWORD>(remaining - given);
    return true;
}

} // namespace LogColumnShares
