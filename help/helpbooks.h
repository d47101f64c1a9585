#pragma once

#include "help/helpbook.h"

// The help of each program.
namespace HelpBooks {

constexpr int Ludora4LineLength = 64; // every front-end line, padded with blanks
constexpr int EmusetLineLength = 42;  // the longest Emuset line; not padded

HelpBook ludora4();
HelpBook emuset();

} // namespace HelpBooks
