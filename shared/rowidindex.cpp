#include "shared/rowidindex.h"

#include <algorithm>

RowIdIndex::RowIdIndex(const std::vector<qint64> &ids)
{
    if (ids.empty())
        return;
    const auto [low, high] = std::minmax_element(ids.cbegin(), ids.cend());
    m_low = *low;
    if (quint64(*high - *low) < 4 * quint64(ids.size()) + 1024) {
        m_dense.assign(size_t(*high - *low) + 1, -1);
        for (size_t i = ids.size(); i-- > 0;)
            m_dense[size_t(ids[i] - m_low)] = int(i);
        return;
    }
    m_sorted.reserve(ids.size());
    for (size_t i = 0; i < ids.size(); ++i)
        m_sorted.emplace_back(ids[i], int(i));
    std::sort(m_sorted.begin(), m_sorted.end());
}

int RowIdIndex::find(qint64 id) const
{
    if (!m_dense.empty()) {
        const qint64 offset = id - m_low;
        return offset >= 0 && offset < qint64(m_dense.size()) ? m_dense[size_t(offset)] : -1;
    }
    const auto found = std::lower_bound(m_sorted.cbegin(), m_sorted.cend(), std::pair<qint64, int>(id, -1));
    return found != m_sorted.cend() && found->first == id ? found->second : -1;
}
