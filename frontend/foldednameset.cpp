#include "frontend/foldednameset.h"

#include <QHashFunctions>

#include <utility>

namespace {

constexpr size_t InitialSlots = 1024; // a power of two

} // namespace

FoldedNameSet::FoldedNameSet() : m_slots(InitialSlots) {}

// Linear probing in a table at most half full.
size_t FoldedNameSet::find(QStringView folded, size_t hash) const
{
    const size_t mask = m_slots.size() - 1;
    size_t at = hash & mask;
    while (m_slots[at].length >= 0 && (m_slots[at].hash != hash || name(m_slots[at]) != folded))
        at = (at + 1) & mask;
    return at;
}

void FoldedNameSet::insert(QStringView folded)
{
    if (2 * size_t(m_count + 1) > m_slots.size())
        grow();
    const size_t hash = qHash(folded);
    const size_t at = find(folded, hash);
    if (m_slots[at].length >= 0)
        return;
    m_slots[at] = {hash, m_names.size(), folded.size()};
    m_names += folded;
    ++m_count;
}

bool FoldedNameSet::contains(QStringView folded) const { return m_slots[find(folded, qHash(folded))].length >= 0; }

void FoldedNameSet::grow()
{
    const std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(m_slots.size() * 2));
    const size_t mask = m_slots.size() - 1;
    for (const Slot &slot : old) {
        if (slot.length < 0)
            continue;
        size_t at = slot.hash & mask;
        while (m_slots[at].length >= 0)
            at = (at + 1) & mask;
        m_slots[at] = slot;
    }
}
