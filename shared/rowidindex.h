#pragma once

#include <QtGlobal>

#include <utility>
#include <vector>

// Where each row id stands in a list of row ids: a table over the ids' range when they
// are dense (as SQLite's row ids are), a sorted copy searched by halves otherwise.
class RowIdIndex {
public:
    RowIdIndex() = default;
    explicit RowIdIndex(const std::vector<qint64> &ids);

    // The place of the id in the list (its first one), or -1.
    int find(qint64 id) const;
    bool contains(qint64 id) const { return find(id) >= 0; }

private:
    qint64 m_low = 0;
    std::vector<int> m_dense;                     // id - m_low -> place, -1 for none
    std::vector<std::pair<qint64, int>> m_sorted; // (id, place) by id
};
