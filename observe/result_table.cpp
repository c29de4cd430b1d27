// The run's table as CSV: the arrivals follow the tick's own test (the P
// front has reached a station once 2S ≥ D, the S front once S ≥ D).
#include "observe/result_table.h"

#include <cmath>

#include "observe/seismogram.h"
#include "ui/decimal.h"

namespace observe {

namespace {

std::string fixed(double v, int digits) { return ui::fixedDecimal(v, digits); }

}  // namespace

Arrival arrivalAt(double D) {
  Arrival a{};
  a.pTick = static_cast<int>(std::ceil(D / (2.0 * kFrontStep)));
  a.sTick = static_cast<int>(std::ceil(D / kFrontStep));
  const double km = D / kTwipsPerUnit * kKmPerUnit;
  a.pSeconds = km / kPKmPerSecond;
  a.sSeconds = km / (kPKmPerSecond / 2);
  return a;
}

std::string resultCsv(const std::array<double, 5>& hypoDist, const std::array<double, 5>& epiDist,
                      bool distances) {
  static const char* const kNames[5] = {"A点", "B点", "C点", "D点", "E点"};
  std::string out = "\xEF\xBB\xBF";
  out += "観測点,震央距離（目盛）,震源距離（目盛）,P波の到着（コマ）,S波の到着（コマ）,"
         "初期微動継続時間（コマ）,震央距離（km）,震源距離（km）,P波の到着（秒）,S波の到着（秒）,"
         "初期微動継続時間（秒）\r\n";
  for (size_t i = 0; i < 5; ++i) {
    const Arrival a = arrivalAt(hypoDist[i]);
    const double epi = epiDist[i] / kTwipsPerUnit, hypo = hypoDist[i] / kTwipsPerUnit;
    auto distance = [&](double v, int digits) { return distances ? fixed(v, digits) : std::string(); };
    out += std::string(kNames[i]) + ',' + distance(epi, 2) + ',' + distance(hypo, 2) + ',' +
           std::to_string(a.pTick) + ',' + std::to_string(a.sTick) + ',' + std::to_string(a.sTick - a.pTick) +
           ',' + distance(epi * kKmPerUnit, 1) + ',' + distance(hypo * kKmPerUnit, 1) + ',' +
           fixed(a.pSeconds, 1) + ',' + fixed(a.sSeconds, 1) + ',' + fixed(a.sSeconds - a.pSeconds, 1) + "\r\n";
  }
  return out;
}

std::string resultFileName(const std::string& date, double hypoX, double hypoDepth, const std::string& size,
                           const std::string& extension) {
  return "地震観測_" + date + "_震源x" + fixed(hypoX / kTwipsPerUnit, 1) + "_深さ" +
         fixed(hypoDepth / kTwipsPerUnit, 1) + "_" + size + "." + extension;
}

}  // namespace observe
