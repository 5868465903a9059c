#pragma once

namespace tgx {

// Document line numbers (from 1) of the timetable header and the records.
namespace HeaderLine {
inline constexpr int Name = 1;               // timetable name
inline constexpr int Simulator = 2;          // simulator name
inline constexpr int Encoding = 3;           // encoding marker
inline constexpr int Editor = 4;             // writer version and name
inline constexpr int TrainCount = 5;         // number of lines after the header
inline constexpr int VehicleFile = 6;        // vehicle list file
inline constexpr int SpecifiedNeighbour = 7; // neighbour chosen for the simulator
inline constexpr int Author = 8;
inline constexpr int Version = 9;
inline constexpr int Comment = 10;
inline constexpr int Count = 30;             // lines 1-30 are the header
inline constexpr int FirstTrain = 31;        // records start here
} // namespace HeaderLine

} // namespace tgx
