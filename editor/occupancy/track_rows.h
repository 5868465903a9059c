#pragma once

#include "occupancy/occupancy_plan.h"

#include <QString>

#include <array>

namespace tgx {

// The regular tracks of the station a timetable is made for, from the
// simulator's track list.
class StationTracks {
public:
    explicit StationTracks(int simulator);

    // Whether trains are checked against the track list and for collisions:
    // not for "Zelto Dl. Skalín", which has no track list, nor for a line 2
    // that names no simulator.
    bool checked() const { return m_count > 0; }
    // Position of a track in the list, or -1 for a track the station lacks.
    int position(QChar track) const { return track.unicode() < kAscii ? m_positionOf[track.unicode()] : -1; }
    // Whether two trains on this track can collide. Track "0" stands for a
    // train without a regular track, so trains on it never meet.
    bool collides(QChar track) const { return checked() && track != kNoRegularTrack; }
    QStringView list() const { return QStringView(m_tracks.data(), m_count); }

    static constexpr QChar kNoRegularTrack = u'0';
    static constexpr int kMaxTracks = 8;

private:
    static constexpr int kAscii = 128; // track lists hold ASCII digits only

    // One character a track, in list order; the longest list has six.
    std::array<QChar, kMaxTracks> m_tracks {};
    int m_count = 0;
    std::array<qint8, kAscii> m_positionOf; // for each ASCII character, -1 for none
};

// The chart's rows: the station's tracks in list order, then every other track
// character the trains use, in character order; each row with the stretches
// of its trains sorted by their first minute and put into lanes: each stretch
// in the lowest lane free at its first minute, the second stretch of a train
// through midnight in the lane of its first when that one is free.
QList<TrackRow> trackRows(const QList<PlannedTrain> &trains, const StationTracks &tracks);

// Marks every train whose stretch shares a minute with another train's on a
// track where trains can collide, and among them those that share only
// estimated minutes.
void markConflicts(const QList<TrackRow> &rows, const StationTracks &tracks, QList<PlannedTrain> &trains);

} // namespace tgx
