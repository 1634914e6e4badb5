// For the opening benchmark (bench/open_e2e.sh): with TRACELLE_OPENING_TIMES set, the program
// tells on its error output when a picture first shows, when it asks its first question (answered
// No at once) and when it falls idle (the picture whole and its overview made), with its memory
// and processor time then, and ends there. Times are the system clock's seconds, for the start
// taken outside.
#pragma once

namespace tracelle::ui::openingTimes {

bool enabled();
// The first rows of a picture painted (told once).
void pictureShown();
// True when the question is to be answered No without being asked.
bool questionAsked();
// Tells the time and the memory, and ends the program.
void idle();

} // namespace tracelle::ui::openingTimes
