#pragma once

#include "Homography.h"
#include "SideReading.h"

#include <array>
#include <opencv2/core.hpp>

namespace turnix::vision {

// Each square's colour: the median of the middle half of the square, per
// channel, with glare (pixels much brighter and greyer than the rest) left
// out. `toImage` maps grid points (0..3, 0..3) to the BGR picture.
[[nodiscard]] std::array<StickerSample, 9> SampleStickers(const cv::Mat& bgr,
                                                          const Homography& toImage);

} // namespace turnix::vision
