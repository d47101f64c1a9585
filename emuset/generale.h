#pragma once
// The start procedure, where it always was for the programs and tests that start Emuset.
#include "emuset/app/generale.h"
