#pragma once

#include "CubeVocabulary.h"
#include "clsSquare.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace turnix {

using SquarePtr = std::shared_ptr<clsSquare>;

// One side: nine squares of its own and twelve links to the squares of its
// neighbours that border it. The links are what let a side turn itself
// without knowing where it lies on the cube.
class clsSide {
public:
    // The twelve links in their declared order.
    enum class Link : std::uint8_t {
        NorthEastToEast,
        NorthEastToNorth,
        NorthWestToNorth,
        NorthWestToWest,
        SouthEastToEast,
        SouthEastToSouth,
        SouthWestToSouth,
        SouthWestToWest,
        East,
        North,
        South,
        West,
    };
    static constexpr std::size_t LinkCount = 12;
    static constexpr std::int16_t SquareCount = SquaresPerSide;

    clsSide();

    // Throw std::out_of_range for an index outside 0..8 and change nothing.
    [[nodiscard]] const SquarePtr& Square(std::int16_t intIndex) const;
    void SetSquare(std::int16_t intIndex, SquarePtr squNewSquare);

    [[nodiscard]] const SquarePtr& LinkedSquare(Link link) const noexcept {
        return links[static_cast<std::size_t>(link)];
    }
    void SetLinkedSquare(Link link, SquarePtr squNewSquare) noexcept {
        links[static_cast<std::size_t>(link)] = std::move(squNewSquare);
    }

    [[nodiscard]] const SquarePtr& NorthEastPtrToEast() const noexcept {
        return LinkedSquare(Link::NorthEastToEast);
    }
    [[nodiscard]] const SquarePtr& NorthEastPtrToNorth() const noexcept {
        return LinkedSquare(Link::NorthEastToNorth);
    }
    [[nodiscard]] const SquarePtr& NorthWestPtrToNorth() const noexcept {
        return LinkedSquare(Link::NorthWestToNorth);
    }
    [[nodiscard]] const SquarePtr& NorthWestPtrToWest() const noexcept {
        return LinkedSquare(Link::NorthWestToWest);
    }
    [[nodiscard]] const SquarePtr& SouthEastPtrToEast() const noexcept {
        return LinkedSquare(Link::SouthEastToEast);
    }
    [[nodiscard]] const SquarePtr& SouthEastPtrToSouth() const noexcept {
        return LinkedSquare(Link::SouthEastToSouth);
    }
    [[nodiscard]] const SquarePtr& SouthWestPtrToSouth() const noexcept {
        return LinkedSquare(Link::SouthWestToSouth);
    }
    [[nodiscard]] const SquarePtr& SouthWestPtrToWest() const noexcept {
        return LinkedSquare(Link::SouthWestToWest);
    }
    [[nodiscard]] const SquarePtr& EastPtr() const noexcept { return LinkedSquare(Link::East); }
    [[nodiscard]] const SquarePtr& NorthPtr() const noexcept { return LinkedSquare(Link::North); }
    [[nodiscard]] const SquarePtr& SouthPtr() const noexcept { return LinkedSquare(Link::South); }
    [[nodiscard]] const SquarePtr& WestPtr() const noexcept { return LinkedSquare(Link::West); }

    void SetNorthEastPtrToEast(SquarePtr squNewSquare) noexcept {
        SetLinkedSquare(Link::NorthEastToEast, std::move(squNewSquare));
    }
    void SetNorthEastPtrToNorth(SquarePtr squNewSquare) noexcept {
        SetLinkedSquare(Link::NorthEastToNorth, std::move(squNewSquare));
    }
    void SetNorthWestPtrToNorth(SquarePtr squNewSquare) noexcept {
        SetLinkedSquare(Link::NorthWestToNorth, std::move(squNewSquare));
    }
    void SetNorthWestPtrToWest(SquarePtr squNewSquare) noexcept {
        SetLinkedSquare(Link::NorthWestToWest, std::move(squNewSquare));
    }
    void SetSouthEastPtrToEast(SquarePtr squNewSquare) noexcept {
        SetLinkedSquare(Link::SouthEastToEast, std::move(squNewSquare));
    }
    void SetSouthEastPtrToSouth(SquarePtr squNewSquare) noexcept {
        SetLinkedSquare(Link::SouthEastToSouth, std::move(squNewSquare));
    }
    void SetSouthWestPtrToSouth(SquarePtr squNewSquare) noexcept {
        SetLinkedSquare(Link::SouthWestToSouth, std::move(squNewSquare));
    }
    void SetSouthWestPtrToWest(SquarePtr squNewSquare) noexcept {
        SetLinkedSquare(Link::SouthWestToWest, std::move(squNewSquare));
    }
    void SetEastPtr(SquarePtr squNewSquare) noexcept {
        SetLinkedSquare(Link::East, std::move(squNewSquare));
    }
    void SetNorthPtr(SquarePtr squNewSquare) noexcept {
        SetLinkedSquare(Link::North, std::move(squNewSquare));
    }
    void SetSouthPtr(SquarePtr squNewSquare) noexcept {
        SetLinkedSquare(Link::South, std::move(squNewSquare));
    }
    void SetWestPtr(SquarePtr squNewSquare) noexcept {
        SetLinkedSquare(Link::West, std::move(squNewSquare));
    }

    [[nodiscard]] const std::string& MainLabel() const noexcept { return strMainLabel; }
    [[nodiscard]] const std::string& NorthLabel() const noexcept { return strNorthLabel; }
    [[nodiscard]] const std::string& WestLabel() const noexcept { return strWestLabel; }
    [[nodiscard]] const std::string& EastLabel() const noexcept { return strEastLabel; }
    [[nodiscard]] const std::string& SouthLabel() const noexcept { return strSouthLabel; }
    void SetMainLabel(std::string strLabel) { strMainLabel = std::move(strLabel); }
    void SetNorthLabel(std::string strLabel) { strNorthLabel = std::move(strLabel); }
    void SetWestLabel(std::string strLabel) { strWestLabel = std::move(strLabel); }
    void SetEastLabel(std::string strLabel) { strEastLabel = std::move(strLabel); }
    void SetSouthLabel(std::string strLabel) { strSouthLabel = std::move(strLabel); }

    // Free text that travels with the side's colours when the whole cube
    // rotates; the solver marks finished sides with it.
    [[nodiscard]] const std::string& Tag() const noexcept { return strTag; }
    void SetTag(std::string strNewTag) { strTag = std::move(strNewTag); }
    // Exchanges tags without copying text; whole-cube rotations use it.
    void SwapTag(clsSide& other) noexcept { strTag.swap(other.strTag); }

    // Turns of this side and the layer behind it, clockwise as seen from
    // outside. Need all twelve links set, as on every constructed cube.
    void RotateClockwise() noexcept;
    void RotateCounterclockwise() noexcept;
    void RotateDouble() noexcept;

private:
    std::array<SquarePtr, SquareCount> squares;
    std::array<SquarePtr, LinkCount> links;
    std::string strMainLabel;
    std::string strNorthLabel;
    std::string strWestLabel;
    std::string strEastLabel;
    std::string strSouthLabel;
    std::string strTag;
};

} // namespace turnix
