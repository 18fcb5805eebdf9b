#include "LightBalance.h"

#include <algorithm>
#include <cmath>

namespace turnix::vision {

namespace {

using LogTable = std::array<std::array<double, 3>, PhotoCount>;

constexpr int Rounds = 8;
// Channels this dark hold more noise than light and count for less.
constexpr double DarkChannel = 0.02;
constexpr double Darkest = 1e-4;
// A side photographed nearly all in its own colour shows little of its
// light: as much as one bright sticker says it is like the others'.
constexpr double EvenLightWeight = 1;

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

// For each group, the weighted median of log(sample) less the other
// factor's log: a sticker read as the wrong colour, or with glare, moves it
// no more than any other sticker. prior is the weight of a pretend sticker
// that asks for 0. A group with no weight keeps its value.
void FitFactor(const PerSample& logs, const PerSample& weights, const GroupOf& group,
               const GroupOf& otherGroup, const LogTable& other, double prior, LogTable& fitted) {
    std::array<std::pair<double, double>, SampleCount + 1> values{};
    for (std::size_t g = 0; g < PhotoCount; ++g) {
        for (std::size_t k = 0; k < 3; ++k) {
            std::size_t count = 0;
            values[count++] = {0.0, prior};
            double total = prior;
            for (std::size_t i = 0; i < SampleCount; ++i) {
                if (group[i] == g) {
                    values[count++] = {logs[i][k] - other[otherGroup[i]][k], weights[i][k]};
                    total += weights[i][k];
                }
            }
            const auto end = values.begin() + static_cast<std::ptrdiff_t>(count);
            std::sort(values.begin(), end);
            double below = 0;
            for (auto v = values.begin(); v != end; ++v) {
                below += v->second;
                if (below >= total / 2 && total > 0) {
                    fitted[g][k] = v->first;
                    break;
                }
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
    for (int round = 0; round < Rounds; ++round) {
        FitFactor(logs, bright, classes, photos, photoLogs, 0, colourLogs);
        FitFactor(logs, bright, photos, classes, colourLogs, EvenLightWeight, photoLogs);
        CentreLogs(photoLogs);
    }
    return GainsOf(photoLogs);
}

LinearRgb Balanced(const Sample& sample, const Gains& gains) noexcept {
    const LinearRgb& gain = gains[sample.photo];
    return {sample.light[0] / gain[0], sample.light[1] / gain[1], sample.light[2] / gain[2]};
}

} // namespace turnix::vision
