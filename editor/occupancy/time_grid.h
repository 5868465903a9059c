#pragma once

#include "trains/decoded_record.h"

#include <utility>

namespace tgx {

// The chart's time axis: the x at which a minute of the day lies, and back.
// Rows, bars, labels and hit tests all ask the one grid, so that what is
// painted and what a click finds always agree.
class TimeGrid {
public:
    // A passing train occupies one minute; its bar is never narrower than this.
    static constexpr double kMinBarWidth = 5;

    // origin: the x of 00:00; pixelsPerMinute: the zoom, above 0.
    TimeGrid(double origin, double pixelsPerMinute) : m_origin(origin), m_pixelsPerMinute(pixelsPerMinute) {}

    double origin() const { return m_origin; }
    double pixelsPerMinute() const { return m_pixelsPerMinute; }
    double dayWidth() const { return kMinutesPerDay * m_pixelsPerMinute; }

    // The x where minute begins (minute may be fractional).
    double x(double minute) const { return m_origin + minute * m_pixelsPerMinute; }
    // The minute (fractional) at x.
    double minuteAt(double x) const { return (x - m_origin) / m_pixelsPerMinute; }

    // The x range a bar of the minutes first..last covers: from the start of
    // its first minute to the end of its last, widened about its middle to
    // kMinBarWidth when shorter.
    std::pair<double, double> barSpan(int first, int last) const;

    // The minutes a bar must reach into, by its last and first minute, to be
    // seen between left and right: a bar with last >= .first and
    // first <= .second may show there; no other bar does.
    std::pair<int, int> barMinutesTouching(double left, double right) const;

private:
    double m_origin;
    double m_pixelsPerMinute;
};

// How much of the day the view shows: its span, from about two hours (or as
// few minutes as the view allows) to the whole day, and the minute at its left edge. Zooming keeps a chosen minute
// where it stands on screen, as far as the ends of the day allow.
class TimeWindow {
public:
    static constexpr double kNarrowestSpan = 120; // about two hours on screen
    static constexpr double kWidestSpan = kMinutesPerDay;

    // narrowestSpan: the fewest minutes the view may show, up to a day.
    explicit TimeWindow(double narrowestSpan = kNarrowestSpan) : m_narrowestSpan(narrowestSpan) {}

    double span() const { return m_span; }
    double left() const { return m_left; }

    // The grid that puts this window into the x range of width from areaLeft.
    TimeGrid grid(double areaLeft, double areaWidth) const;

    // Divides the span by factor (above 1 zooms in), keeping the minute at
    // anchor (0 = left edge of the view, 1 = right edge) in its place.
    void zoom(double factor, double anchor);
    // Moves the left edge to minute left, kept within the day.
    void scrollTo(double left);
    // Zooms and scrolls so that the minutes from first to end show, with
    // margin minutes on each side, in a view areaWidth pixels wide: out when
    // they do not fit, in when they would take fewer than legibleWidth pixels;
    // centred on them when the zoom changed or they were not all in view.
    void bringIntoView(double first, double end, double margin, double areaWidth, double legibleWidth);

private:
    double m_narrowestSpan;
    double m_span = kWidestSpan;
    double m_left = 0;
};

} // namespace tgx
