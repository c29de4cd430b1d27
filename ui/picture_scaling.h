// How a picture is scaled to the device pixels the paint list gives it: each
// device pixel shows the source pixel under its centre (the earlier one when
// the centre is on their edge), never smoothed, so the desktop, the browser
// and the image host show the same pixels at every zoom.
#pragma once

#include <vector>

namespace ui {

// For each of `to` device pixels along one axis, the index of the source
// pixel (of `from`) it shows.
std::vector<int> pictureSamples(int from, int to);

}  // namespace ui
