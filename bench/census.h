// A census of a window for checking that a floor builds what the window it
// stands for builds: one line per widget (its Qt kind, name, whether it
// shows, geometry, direction, font, text and picture size), sorted. It reads
// widgets and changes nothing; comparing two censuses is process_bench's.
#pragma once

#include <QStringList>

class QWidget;

namespace kalvane::bench {

// The lines of `window` and of every widget inside it.
QStringList Census(const QWidget& window);

// Prints them on stdout as "CENSUS <line>" lines, a digest of the window's
// pixels as "CENSUS-PIXELS <md5>", then "CENSUS-END". With KALVANE_CENSUS_PNG
// set, the window's picture is also saved to that file.
void PrintCensus(const QWidget& window);

}  // namespace kalvane::bench
