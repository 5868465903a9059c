#pragma once

#include "trains/record_layout.h"

#include <QString>

#include <array>

namespace tgx {

// One run of a train as the train dialog holds it: from the neighbour it comes
// from to the own station, or from the own station to the neighbour it goes to.
struct RunEntry {
    bool ownStationEnd = false; // the train originates (arrival run) or terminates (departure run) here
    int neighbourCode = 0;      // 1-4, from neighbourCode() or the station list position + 1
    int departureHour = 0;      // 0-23
    int departureMinute = 0;    // 0-59
    int arrivalHour = 0;
    int arrivalMinute = 0;
};

// Everything the train dialog composes a record from.
struct TrainEntry {
    int typeIndex = 0;      // index in trainTypes()
    QString number;         // as entered, at most five characters
    RunEntry arrival;
    QString track;          // the chosen track; empty when the simulator offers none
    bool passesNeighbour = false;  // arrival "Průjezd"
    bool passesOwnStation = false; // departure "Průjezd"
    RunEntry departure;
    std::array<QString, kVehicleCount> vehicles; // as entered, first vehicle first
    QString note;
};

// Track written for a train without a regular track, and for simulators that
// offer no tracks.
inline constexpr QChar kNoTrack = u'0';

// The record line: the 67-character body followed by the note.
QString composeRecord(const TrainEntry &entry);

// Minutes from departure to arrival counted from the minutes alone (0-59 each):
// 1 to 60, equal minutes giving 60.
int runningTime(int departureMinute, int arrivalMinute);

} // namespace tgx
