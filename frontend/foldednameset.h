#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// A set of names already case folded, for looking up tens of thousands of file names:
// the names stand one after the other in one text, and an open-addressing table holds
// each one's hash and place. Small enough to stay in the processor's caches where a set
// of strings would not, and no allocation per name.
class FoldedNameSet {
public:
    FoldedNameSet();

    void insert(QStringView folded);
    bool contains(QStringView folded) const;
    qsizetype size() const { return m_count; }

private:
    struct Slot {
        size_t hash = 0;
        qsizetype start = 0;
        qsizetype length = -1; // -1: empty
    };

    QStringView name(const Slot &slot) const { return QStringView(m_names).mid(slot.start, slot.length); }
    // The slot holding the name, or the empty slot where it would go.
    size_t find(QStringView folded, size_t hash) const;
    void grow();

    QString m_names;
    std::vector<Slot> m_slots;
    qsizetype m_count = 0;
};
