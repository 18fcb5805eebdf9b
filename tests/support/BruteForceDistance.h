#pragma once

#include "CubeTestSupport.h"
#include "StepCodes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace turnix::test {

// The fewest side turns that solve a cube at most seven turns from solved,
// by brute force over the 54 squares and nothing of the solvers: every cube
// within four turns of solved is listed, then every cube within three turns
// of the one asked about is looked up in that list.
class BruteForceDistance {
public:
    static constexpr int Reach = 7;

    BruteForceDistance() {
        ReadTurns();
        std::vector<std::string> level{Squares(clsCube{})};
        near.emplace(level.front(), 0);
        for (int depth = 1; depth <= NearDepth; ++depth) {
            std::vector<std::string> next;
            for (const std::string& cube : level) {
                for (const auto& turn : turns) {
                    std::string turned = Turned(cube, turn);
                    if (near.emplace(turned, depth).second) {
                        next.push_back(std::move(turned));
                    }
                }
            }
            level = std::move(next);
        }
    }

    // Nothing when the cube is more than seven turns from solved.
    [[nodiscard]] std::optional<int> Distance(const clsCube& cube) const {
        std::optional<int> fewest;
        std::vector<std::string> level{Squares(cube)};
        for (int depth = 0; depth <= Reach - NearDepth; ++depth) {
            std::vector<std::string> next;
            for (const std::string& each : level) {
                if (const auto found = near.find(each); found != near.end()) {
                    const int total = depth + found->second;
                    fewest = fewest ? std::min(*fewest, total) : total;
                }
                for (const auto& turn : turns) {
                    next.push_back(Turned(each, turn));
                }
            }
            level = std::move(next);
        }
        return fewest;
    }

    // The first solution of `length` turns, the cube's distance, in the order
    // of step codes: among lists with no two neighbouring turns of one side,
    // and of two neighbouring turns of opposite sides, Front before Back,
    // Left before Right, Top before Bottom.
    [[nodiscard]] std::vector<std::int16_t> FirstShortest(const clsCube& cube, int length) const {
        std::vector<std::int16_t> path;
        static_cast<void>(FirstShortest(Squares(cube), length, path));
        return path;
    }

private:
    static constexpr int NearDepth = 4;

    // Sides 0..5 are Front, Left, Back, Right, Top, Bottom, three codes each.
    static bool MayFollow(const std::vector<std::int16_t>& path, int code) {
        if (path.empty()) {
            return true;
        }
        const int last = path.back() / 3;
        const int side = code / 3;
        const auto axis = [](int s) {
            return s < 4 ? s % 2 : 2;
        };
        return side != last && (axis(side) != axis(last) || side > last);
    }

    // On a shortest path every cube is exactly as far as the turns left.
    bool FirstShortest(const std::string& cube, int togo, std::vector<std::int16_t>& path) const {
        if (togo <= NearDepth) {
            const auto found = near.find(cube);
            if (found == near.end() || found->second != togo) {
                return false;
            }
        }
        if (togo == 0) {
            return true;
        }
        for (std::int16_t code = 0; code < SideTurnCount; ++code) {
            if (MayFollow(path, code)) {
                path.push_back(code);
                if (FirstShortest(Turned(cube, turns[static_cast<std::size_t>(code)]), togo - 1,
                                  path)) {
                    return true;
                }
                path.pop_back();
            }
        }
        return false;
    }
    static constexpr std::size_t SquareCount = 54;
    using Turn = std::array<std::uint8_t, SquareCount>;

    static std::string Squares(const clsCube& cube) {
        std::string squares;
        for (const auto& side : ColorsOf(cube)) {
            for (const std::int16_t color : side) {
                squares += static_cast<char>('0' + color);
            }
        }
        return squares;
    }

    // Which square each square's colour comes from, read off the model.
    void ReadTurns() {
        for (std::int16_t code = 0; code < SideTurnCount; ++code) {
            clsCube marked;
            MarkEverySquare(marked);
            ApplyStep(marked, code);
            const CubeColors after = ColorsOf(marked);
            for (std::size_t s = 0; s < after.size(); ++s) {
                for (std::size_t q = 0; q < after[s].size(); ++q) {
                    const int marker = after[s][q];
                    turns[static_cast<std::size_t>(code)][s * 9 + q] =
                        static_cast<std::uint8_t>((marker / 100 - 1) * 9 + marker % 100);
                }
            }
        }
    }

    static std::string Turned(const std::string& cube, const Turn& turn) {
        std::string turned(SquareCount, ' ');
        for (std::size_t i = 0; i < SquareCount; ++i) {
            turned[i] = cube[turn[i]];
        }
        return turned;
    }

    std::array<Turn, SideTurnCount> turns{};
    std::unordered_map<std::string, int> near;
};

} // namespace turnix::test
