#pragma once

#include "help/helpbook.h"

#include <initializer_list>

// The front-end's topics, built from their lines (each padded to the common length).
namespace HelpBooks::Ludora4Topics {

HelpTopic topic(const char *key, const char *node, std::initializer_list<const char *> lines);

HelpTopic specialFilters();
HelpTopic detailsView();

} // namespace HelpBooks::Ludora4Topics
