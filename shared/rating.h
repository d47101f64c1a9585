#pragma once

#include <QVariant>

// A game's Rating as every part of the front-end reads it: the list's rating icon, the
// stars and the top-rating cup of the record view.
namespace Rating {

constexpr int top = 5;

// The whole rating 0..5 a stored value stands for. A number (blanks around a text are
// ignored) is rounded to the nearest whole one, halves up: 2.5 gives 3. Null, empty,
// non-numeric values and numbers outside 0..5 once rounded give 0.
int stars(const QVariant &stored);
// The same for a number already read (a stored integer, say).
int stars(double value);

} // namespace Rating
