#include "LightBalance.h"

#include <algorithm>
#include <cmath>

namespace turnix::vision {

namespace {

using LogTable = std::array<std::array<double, 3>, PhotoCount>;

constexpr int Rounds = 12;
// Channels this dark hold more noise than light and count for less.
constexpr double DarkChannel = 0.02;
// A sticker this far off the fit (in log units) counts half: glare.
constexpr double OffFit = 0.25;
constexpr double Darkest = 1e-4;

void CentreLogs(LogTable& logs) noexcept {
    for (std::size_t k = 0; k < 3; ++k) {
        double sum = 0;
        for (const auto& photo : logs) {
            sum += photo[k];
        }
        for (auto& photo : logs) {
            photo[k] -= sum / PhotoCount;
        }
    }
}

[[nodiscard]] Gains GainsOf(LogTable logs) noexcept {
    CentreLogs(logs);
    Gains gains{};
    for (std::size_t p = 0; p < PhotoCount; ++p) {
        for (std::size_t k = 0; k < 3; ++k) {
            gains[p][k] = std::exp(logs[p][k]);
        }
    }
    return gains;
}

using PerSample = std::array<std::array<double, 3>, SampleCount>;
using GroupOf = std::array<std::size_t, SampleCount>;

// For each group, the weighted mean of log(sample) less the other factor's
// log; a group with no weight keeps its value.
void FitFactor(const PerSample& logs, const PerSample& weights, const GroupOf& group,
               const GroupOf& otherGroup, const LogTable& other, LogTable& fitted) noexcept {
    LogTable sums{};
    LogTable totals{};
    for (std::size_t i = 0; i < SampleCount; ++i) {
        for (std::size_t k = 0; k < 3; ++k) {
            sums[group[i]][k] += weights[i][k] * (logs[i][k] - other[otherGroup[i]][k]);
            totals[group[i]][k] += weights[i][k];
        }
    }
    for (std::size_t g = 0; g < PhotoCount; ++g) {
        for (std::size_t k = 0; k < 3; ++k) {
            if (totals[g][k] > 0) {
                fitted[g][k] = sums[g][k] / totals[g][k];
            }
        }
    }
}

} // namespace

Gains EvenGains() noexcept {
    Gains gains{};
    for (auto& photo : gains) {
        photo = {1, 1, 1};
    }
    return gains;
}

Gains BrightestStickerGains(const Samples& samples) noexcept {
    LogTable logs{};
    for (auto& photo : logs) {
        photo.fill(std::log(Darkest));
    }
    for (const Sample& sample : samples) {
        for (std::size_t k = 0; k < 3; ++k) {
            logs[sample.photo][k] =
                std::max(logs[sample.photo][k], std::log(std::max(sample.light[k], Darkest)));
        }
    }
    return GainsOf(logs);
}

Gains FitGains(const Samples& samples, const ClassOf& classes, const Gains& start) {
    PerSample logs{};
    PerSample bright{};
    GroupOf photos{};
    for (std::size_t i = 0; i < SampleCount; ++i) {
        photos[i] = samples[i].photo;
        for (std::size_t k = 0; k < 3; ++k) {
            const double value = std::max(samples[i].light[k], Darkest);
            logs[i][k] = std::log(value);
            bright[i][k] = value / (value + DarkChannel);
        }
    }
    LogTable photoLogs{};
    for (std::size_t p = 0; p < PhotoCount; ++p) {
        for (std::size_t k = 0; k < 3; ++k) {
            photoLogs[p][k] = std::log(start[p][k]);
        }
    }
    LogTable colourLogs{};
    PerSample weights = bright;
    for (int round = 0; round < Rounds; ++round) {
        FitFactor(logs, weights, classes, photos, photoLogs, colourLogs);
        FitFactor(logs, weights, photos, classes, colourLogs, photoLogs);
        CentreLogs(photoLogs);
        for (std::size_t i = 0; i < SampleCount; ++i) {
            for (std::size_t k = 0; k < 3; ++k) {
                const double off =
                    (logs[i][k] - photoLogs[photos[i]][k] - colourLogs[classes[i]][k]) / OffFit;
                weights[i][k] = bright[i][k] / (1 + off * off);
            }
        }
    }
    return GainsOf(photoLogs);
}

LinearRgb Balanced(const Sample& sample, const Gains& gains) noexcept {
    const LinearRgb& gain = gains[sample.photo];
    return {sample.light[0] / gain[0], sample.light[1] / gain[1], sample.light[2] / gain[2]};
}

} // namespace turnix::vision
