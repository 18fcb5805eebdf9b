#include "Facelets.h"

#include <array>

namespace turnix {

namespace {

[[nodiscard]] std::optional<std::int16_t> ColorOfLetter(char letter) noexcept {
    for (const Face& face : FaceletFaces) {
        if (face.letter == letter) {
            return face.side;
        }
    }
    return std::nullopt;
}

[[nodiscard]] std::string Printable(char c) {
    if (c >= ' ' && c <= '~') {
        return std::string("'") + c + "'";
    }
    static constexpr std::string_view Hex = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(c);
    return std::string("byte 0x") + Hex[byte >> 4U] + Hex[byte & 0xFU];
}

} // namespace

std::optional<FaceletError> ReadFacelets(std::string_view facelets, clsCube& cube) {
    for (std::size_t k = 0; k < facelets.size() && k < FaceletCount; ++k) {
        if (!ColorOfLetter(facelets[k])) {
            return FaceletError{k + 1, "position " + std::to_string(k + 1) + ": " +
                                           Printable(facelets[k]) +
                                           " is not one of the letters U R F D L B"};
        }
    }
    if (facelets.size() != FaceletCount) {
        return FaceletError{std::min(facelets.size(), FaceletCount) + 1,
                            "a facelet string has 54 letters, this one has " +
                                std::to_string(facelets.size())};
    }
    for (std::size_t k = 0; k < FaceletCount; ++k) {
        const Face& face = FaceletFaces[k / SquaresPerSide];
        const auto square = static_cast<std::int16_t>(k % SquaresPerSide);
        cube.Side(face.side).Square(square)->SetColorIndex(*ColorOfLetter(facelets[k]));
    }
    return std::nullopt;
}

std::optional<SquareAt> FirstSquareWithoutFacelet(const clsCube& cube) {
    for (const Face& face : FaceletFaces) {
        for (std::int16_t q = 0; q < SquaresPerSide; ++q) {
            if (!FaceLetter(cube.Side(face.side).Square(q)->ColorIndex())) {
                return SquareAt{face.side, q};
            }
        }
    }
    return std::nullopt;
}

std::string FaceletString(const clsCube& cube) {
    std::string facelets;
    facelets.reserve(FaceletCount);
    for (const Face& face : FaceletFaces) {
        for (std::int16_t q = 0; q < SquaresPerSide; ++q) {
            facelets += FaceLetter(cube.Side(face.side).Square(q)->ColorIndex()).value_or('?');
        }
    }
    return facelets;
}

std::optional<std::array<std::int16_t, side::Count>> CentreColors(const clsCube& cube) {
    std::array<std::int16_t, side::Count> centres{};
    std::array<bool, side::Count> seen{};
    for (std::int16_t s = 0; s < side::Count; ++s) {
        const std::int16_t color = cube.Side(s).Square(square::Centre)->ColorIndex();
        if (color < 0 || color >= side::Count || seen.at(static_cast<std::size_t>(color))) {
            return std::nullopt;
        }
        seen.at(static_cast<std::size_t>(color)) = true;
        centres.at(static_cast<std::size_t>(s)) = color;
    }
    return centres;
}

std::optional<std::string> CentreFaceletString(const clsCube& cube) {
    const auto centres = CentreColors(cube);
    if (!centres || FirstSquareWithoutFacelet(cube)) {
        return std::nullopt;
    }
    std::array<std::int16_t, side::Count> sideOfColor{};
    for (std::int16_t s = 0; s < side::Count; ++s) {
        sideOfColor.at(static_cast<std::size_t>(centres->at(static_cast<std::size_t>(s)))) = s;
    }
    std::string facelets;
    facelets.reserve(FaceletCount);
    for (const Face& face : FaceletFaces) {
        for (std::int16_t q = 0; q < SquaresPerSide; ++q) {
            const std::int16_t color = cube.Side(face.side).Square(q)->ColorIndex();
            facelets += *FaceLetter(sideOfColor.at(static_cast<std::size_t>(color)));
        }
    }
    return facelets;
}

void PaintInCentreColors(clsCube& cube, const std::array<std::int16_t, side::Count>& centres) {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        for (std::int16_t q = 0; q < SquaresPerSide; ++q) {
            const SquarePtr& square = cube.Side(s).Square(q);
            square->SetColorIndex(centres.at(static_cast<std::size_t>(square->ColorIndex())));
        }
    }
}

} // namespace turnix
