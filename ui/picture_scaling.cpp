// The one scaling rule for pictures, in whole numbers so no host rounds it
// differently. A centre exactly on the edge between two source pixels shows
// the earlier one, as the browsers' unsmoothed drawImage does.
#include "ui/picture_scaling.h"

#include <cstddef>
#include <cstdint>

namespace ui {

std::vector<int> pictureSamples(int from, int to) {
  std::vector<int> at(static_cast<size_t>(to > 0 ? to : 0));
  for (int d = 0; d < to; ++d)
    at[static_cast<size_t>(d)] = static_cast<int>(((std::int64_t{2} * d + 1) * from - 1) / (std::int64_t{2} * to));
  return at;
}

}  // namespace ui
