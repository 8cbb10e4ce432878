#include "timer/series.h"

#include <algorithm>
#include <cstdio>

using std::chrono::milliseconds;

SeriesClock::~SeriesClock() = default;

milliseconds SteadySeriesClock::Monotonic() {
    return std::chrono::duration_cast<milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

void StartSeries(TimedSeries& series, SeriesClock& clock, int minutes) {
    series.SeriesEnd = clock.Monotonic() + std::chrono::minutes(minutes);
    series.SeriesRunning = true;
}

SeriesTick TickSeries(TimedSeries& series, SeriesClock& clock) {
    if (!series.SeriesRunning) {
        return {};
    }
    const milliseconds now = clock.Monotonic();
    if (now - series.SeriesEnd > milliseconds(1)) {
        series.SeriesRunning = false;
        return {SeriesTickKind::Ended, milliseconds(0)};
    }
    return {SeriesTickKind::Running, std::max(series.SeriesEnd - now, milliseconds(0))};
}

std::string ClockText(milliseconds remaining) {
    const long long seconds = remaining.count() > 0 ? remaining.count() / 1000 : 0;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

Amount ResultPercentage(int points, int maxPoints) {
    if (maxPoints <= 0) {
        return 0;
    }
    // The percentage in ten-thousandths is points * 100 * 10000 / maxPoints.
    return static_cast<Amount>(
        DivideHalfEven(static_cast<__int128>(points) * 100 * AmountScale, maxPoints));
}

std::string PercentageText(int points, int maxPoints) {
    std::string text = FormatPlain(ResultPercentage(points, maxPoints));
    const auto comma = text.find(',');
    if (comma != std::string::npos && text.size() > comma + 2) {
        text.resize(comma + 2);
    }
    return text;
}

SeriesResultTexts ResultTexts(int points, int maxPoints) {
    if (maxPoints == 0) {
        return {"0", "0", "0"};
    }
    return {std::to_string(points), std::to_string(maxPoints), PercentageText(points, maxPoints)};
}
