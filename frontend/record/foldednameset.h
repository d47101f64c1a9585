#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <vector>

// A set of names already case folded, for looking up tens of thousands of file names.
// Each name is kept as two 64-bit hashes, with seeds drawn at random for each set, in an
// open-addressing table: no string and no allocation per name, and a table small enough
// to stay in the processor's caches. Two different names would be taken for one another
// only if both hashes agreed, a chance of one in 2^128 per pair that no database can make
// happen on purpose.
class FoldedNameSet {
public:
    // What the set keeps of a name.
    struct Key {
        quint64 first = 0;
        quint64 second = 0; // both 0: an empty slot
        bool isEmpty() const { return first == 0 && second == 0; }
        bool operator==(const Key &) const = default;
    };

    FoldedNameSet();

    // A name (UTF-16, or a text's UTF-8) case folded as QString::toCaseFolded() does, into
    // *folded, whose room is reused from name to name; plain ASCII, most names, without
    // decoding it first.
    static void fold(QStringView name, QString *folded);
    static void fold(QByteArrayView utf8, QString *folded);

    Key keyOf(QStringView folded) const;
    // Asks the processor to fetch the key's slot ahead: a caller with a batch of names
    // computes all their keys, prefetching each, then looks them up, and waits on memory
    // once per batch instead of once per name.
    void prefetch(const Key &key) const;
    void insert(const Key &key);
    bool contains(const Key &key) const;
    void insert(QStringView folded) { insert(keyOf(folded)); }
    bool contains(QStringView folded) const { return contains(keyOf(folded)); }
    qsizetype size() const { return m_count; }

private:
    using Slot = Key;

    // The slot holding the key, or the empty slot where it would go.
    size_t find(const Slot &key) const;
    void grow();

    std::vector<Slot> m_slots;
    qsizetype m_count = 0;
    size_t m_seeds[2];
};
