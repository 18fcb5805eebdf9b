#pragma once

#include "Pieces.h"
#include "appearance/ScreenColor.h"
#include "diagnosis/TurnedSides.h"

#include <QWidget>
#include <cstdint>
#include <vector>

class QGridLayout;
class QLabel;
class QVBoxLayout;

namespace turnix {

// A square that a reading from photos is not sure of: the colour index it
// gave, and the next likeliest.
struct SquareDoubt {
    SquareAt at;
    std::int16_t read{0};
    std::int16_t second{0};

    friend bool operator==(const SquareDoubt&, const SquareDoubt&) = default;
};

// "top left", "centre", ... for squares 0..8.
[[nodiscard]] QString SquarePlace(std::int16_t square);
// "Front side, top left square".
[[nodiscard]] QString SquareWords(SquareAt at);

// Under the findings: for each side that looks entered turned, the sentence
// and a button that turns it back; and, after a reading from photos, how
// many squares to check, each with a button that gives it its other likely
// colour. Shown only while there is something to offer.
class EntryChecks : public QWidget {
    Q_OBJECT

public:
    explicit EntryChecks(QWidget* parent = nullptr);

    void ShowTurnedSides(const std::vector<TurnedSide>& turned);
    void SetDoubts(std::vector<SquareDoubt> doubts);
    [[nodiscard]] const std::vector<SquareDoubt>& Doubts() const noexcept { return doubts; }
    // Each doubt's button offers the colour its square does not show now.
    void ShowCube(const CubeColorValues& colors, const ColorScheme& scheme);
    void SetEditable(bool editable);

    // The colour a doubt's button gives, given the square's colour now.
    [[nodiscard]] static std::int16_t Alternative(const SquareDoubt& doubt, std::int16_t now);

signals:
    void turnBackRequested(turnix::TurnedSide turned);
    void colorChosen(turnix::SquareAt at, std::int16_t color);

private:
    void RebuildDoubtButtons();
    void UpdateVisibility();

    QVBoxLayout* turnedRows{};
    QLabel* lblDoubts{};
    QGridLayout* doubtButtons{};
    std::vector<TurnedSide> shownTurned;
    std::vector<SquareDoubt> doubts;
    CubeColorValues colors{};
    ColorScheme scheme{DefaultScreenColors};
    bool canEdit{true};
};

} // namespace turnix
