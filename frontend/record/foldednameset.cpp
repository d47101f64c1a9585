#include "frontend/record/foldednameset.h"

#include <QHashFunctions>
#include <QRandomGenerator>

#include <utility>

namespace {

constexpr size_t InitialSlots = 1024; // a power of two

char16_t codeUnit(QChar c) { return c.unicode(); }
char16_t codeUnit(char c) { return uchar(c); }
QString decoded(QStringView text) { return text.toString(); }
QString decoded(QByteArrayView utf8) { return QString::fromUtf8(utf8); }

template <typename Text> void caseFold(Text name, QString *folded)
{
    folded->resize(name.size());
    QChar *out = folded->data();
    for (const auto unit : name) {
        const char16_t code = codeUnit(unit);
        if (code >= 0x80) {
            *folded = decoded(name).toCaseFolded();
            return;
        }
        *out++ = QChar(code >= u'A' && code <= u'Z' ? char16_t(code + 32) : code);
    }
}

} // namespace

void FoldedNameSet::fold(QStringView name, QString *folded) { caseFold(name, folded); }
void FoldedNameSet::fold(QByteArrayView utf8, QString *folded) { caseFold(utf8, folded); }

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
