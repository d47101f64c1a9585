// The front-end's help topics on narrowing and sorting the game list.
#include "help/help_ludora4_topics.h"

namespace HelpBooks::Ludora4Topics {

HelpTopic specialFilters()
{
    return topic("RF", "Special Filters",
                 {"SPECIAL FILTERS", "---------------",
                  "The Filters tab narrows the game list further: a genre, a",
                  "language, a producer, a range of years, a least rating, the",
                  "flags Playable, Favourite, Colour and Cracked (any, yes or",
                  "no), the games never played and the games whose rom file is",
                  "not in the games folder of the console.", "",
                  "They work together with the filter option (Complete,",
                  "Favourites, ...) and the search field; the count beside the",
                  "search field says how many games are shown, and the panels",
                  "of the status bar count the narrowed list.", "",
                  "While any of them is on, a line under the list says which:",
                  "  Special filters on: Genre = Platform, 1990-1995",
                  "Its Clear button, or the one of the Filters tab, turns them",
                  "all off. Each console keeps its own special filters until", "Ludora4 is closed."});
}

HelpTopic detailsView()
{
    return topic("RD", "Details View",
                 {"DETAILS VIEW", "------------", "The Report view lists the games in one column, Games. Click",
                  "its header with the right mouse button to add or remove the",
                  "columns Year, Genre, Producer, Language, Rating, Times,", "Last played, Added and Play time.",
                  "", "A click on a header sorts the list by that column; another",
                  "click sorts it the other way. Numbers sort as numbers, dates",
                  "as dates, and names in the order of your language, with the",
                  "numbers in them as numbers: Game 2 comes before Game 10.",
                  "Games alike in the column follow their names.", "",
                  "Drag a header to move its column, or its edge to widen it:",
                  "the columns, their widths and order and the sort are kept",
                  "for the next start. Only the Report view sorts; the other", "views list the games by name."});
}

} // namespace HelpBooks::Ludora4Topics
