// The table of a run that pupils hand in: per station its distances and the
// P and S arrivals with 初期微動継続時間, in the model's own units (目盛,
// ticks) and read as the guide reads them (1 目盛 = 20 km, P 6 km/s, S 3 km/s),
// as CSV that a spreadsheet opens with its Japanese intact.
#pragma once

#include <array>
#include <string>

namespace observe {

inline constexpr double kTwipsPerUnit = 600;  // one grid step, 1 目盛
inline constexpr double kKmPerUnit = 20;
inline constexpr double kPKmPerSecond = 6;
// One tick moves the P front 40 twips, 4/3 km, which takes 2/9 s at 6 km/s.
inline constexpr int kRealTimeInterval = 222;

struct Arrival {
  int pTick, sTick;          // the first tick that reaches the station
  double pSeconds, sSeconds; // in the guide's reading
};
Arrival arrivalAt(double hypoDist);

// UTF-8 with a byte-order mark and CRLF line ends, as spreadsheets expect.
// Without distances their cells stay empty (the pupils are to find them).
std::string resultCsv(const std::array<double, 5>& hypoDist, const std::array<double, 5>& epiDist,
                      bool distances = true);

// "地震観測_2026-12-10_震源x1.8_深さ2.0_中.csv": the date and where the
// hypocentre stood (its centre, in 目盛) with the size.
std::string resultFileName(const std::string& date, double hypoX, double hypoDepth, const std::string& size,
                           const std::string& extension);

}  // namespace observe
