#include "frontend/record/foldednameset.h"

#include <QHashFunctions>
#include <QRandomGenerator>

#include <utility>

namespace {

constexpr size_t InitialSlots = 1024; // a power of two

} // namespace

FoldedNameSet::FoldedNameSet()
    : m_slots(InitialSlots), m_seeds{size_t(QRandomGenerator::system()->generate64()),
                                     size_t(QRandomGenerator::system()->generate64())}
{}

FoldedNameSet::Key FoldedNameSet::keyOf(QStringView folded) const
{
    Key key{quint64(qHash(folded, m_seeds[0])), quint64(qHash(folded, m_seeds[1]))};
    if (key.isEmpty())
        key.second = 1; // the empty mark is no name's
    return key;
}

void FoldedNameSet::prefetch(const Key &key) const
{
    __builtin_prefetch(&m_slots[size_t(key.first) & (m_slots.size() - 1)]);
}

// Linear probing in a table at most four fifths full: neighbouring slots share a cache line.
size_t FoldedNameSet::find(const Slot &key) const
{
    const size_t mask = m_slots.size() - 1;
    size_t at = size_t(key.first) & mask;
    while (!m_slots[at].isEmpty() && !(m_slots[at] == key))
        at = (at + 1) & mask;
    return at;
}

void FoldedNameSet::insert(const Key &key)
{
    if (5 * size_t(m_count + 1) > 4 * m_slots.size())
        grow();
    Slot &slot = m_slots[find(key)];
    if (!slot.isEmpty())
        return;
    slot = key;
    ++m_count;
}

bool FoldedNameSet::contains(const Key &key) const { return !m_slots[find(key)].isEmpty(); }

void FoldedNameSet::grow()
{
    const std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(m_slots.size() * 2));
    for (const Slot &slot : old) {
        if (!slot.isEmpty())
            m_slots[find(slot)] = slot;
    }
}
