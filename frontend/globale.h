#pragma once

// The front-end's start procedure, at the path other programs and tests include.
#include "frontend/app/globale.h"
