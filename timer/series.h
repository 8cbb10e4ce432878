#pragma once

#include "engine/amount.h"

#include <chrono>
#include <string>

// Where a timed series reads the time. Only a monotonic clock will do: the wall clock
// may jump (daylight saving, time sync) while a series runs, and a series must run its
// full length whatever the clock on the wall says.
class SeriesClock {
public:
    virtual ~SeriesClock();
    // Time since an arbitrary fixed origin; never goes back.
    virtual std::chrono::milliseconds Monotonic() = 0;
};

// The clock of the running program.
class SteadySeriesClock final : public SeriesClock {
public:
    std::chrono::milliseconds Monotonic() override;
};

struct TimedSeries {
    bool SeriesRunning = false;
    std::chrono::milliseconds SeriesEnd{0}; // on the SeriesClock's time line
};

// Starts a series that ends the given number of minutes from now.
void StartSeries(TimedSeries& series, SeriesClock& clock, int minutes);

enum class SeriesTickKind {
    NotRunning, // no series: nothing to do
    Ended,      // the time is up; the series is no longer running
    Running,    // Remaining holds the time left
};

struct SeriesTick {
    SeriesTickKind Kind = SeriesTickKind::NotRunning;
    std::chrono::milliseconds Remaining{0}; // only for Running; never negative
};

// The once-a-second look at the clock. A series ends once the time is more than one
// millisecond past its end; until then the time left is shown, down to zero.
SeriesTick TickSeries(TimedSeries& series, SeriesClock& clock);

// The countdown caption "HH:MM:SS", two digits each, seconds cut rather than rounded.
// A negative time reads "00:00:00".
std::string ClockText(std::chrono::milliseconds remaining);

// points / maxPoints * 100, rounded to a whole ten-thousandth, ties to even; 0 when no
// exercise was finished (maxPoints 0 or less).
Amount ResultPercentage(int points, int maxPoints);

// ResultPercentage in FormatPlain with at most one digit behind the comma, cut:
// 66,6 for 2 of 3, 100 for 3 of 3.
std::string PercentageText(int points, int maxPoints);

struct SeriesResultTexts {
    std::string Points;     // right exercises
    std::string Made;       // exercises finished
    std::string Percentage; // PercentageText
};

// The three results of a series. maxPoints counts the finished exercises only (the one
// on screen when the time ran out is not among them); when it is 0 all three read "0".
SeriesResultTexts ResultTexts(int points, int maxPoints);
