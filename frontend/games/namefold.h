#pragma once

#include <QString>
#include <QStringView>

// The form of a game name that searching compares: letters case-folded, accents of Latin,
// Greek and Cyrillic letters removed (the letter decomposed, its combining diacritics
// dropped), so "Stár FOX" and "star fox" fold alike. Marks that carry meaning in other
// scripts (Japanese voicing marks, Indic vowel signs) are kept.
namespace NameFold {

// Appends the folded form of text to out.
void append(QStringView text, QString &out);

inline QString fold(QStringView text)
{
    QString out;
    append(text, out);
    return out;
}

} // namespace NameFold
