#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;

namespace turnix {

struct Platform;

// How an optimal solve is getting on: the table's build in percent the
// first time, then the depths searched and the best solution so far; Cancel
// (or Esc, or closing the dialog) asks the search to stop.
class frmOptimalProgress : public QDialog {
    Q_OBJECT

public:
    explicit frmOptimalProgress(QWidget* parent = nullptr);

    void ShowTablePercent(int percent);
    // "depth 17 searched, best 18 so far"; without a best, the depth alone.
    void ShowSearch(int depthSearched, int bestTurns);
    [[nodiscard]] static QString SearchText(int depthSearched, int bestTurns);

    // Asked when the table does not fit in the free memory: whether to
    // solve in fewest turns instead.
    [[nodiscard]] static bool AskFewestTurnsInstead(Platform& platform, QWidget* parent,
                                                    std::uint64_t bytesNeeded,
                                                    std::uint64_t bytesFree);

    // Closes the dialog once the search has ended.
    void Finish();

    // Cancel once pressed says so and stays disabled until the search ends.
    [[nodiscard]] bool CancelPressed() const noexcept { return cancelPressed; }

signals:
    void CancelRequested();

protected:
    void reject() override;

private:
    QLabel* lblProgress{};
    QProgressBar* barTable{};
    QPushButton* cmdCancel{};
    bool cancelPressed{false};
    bool finished{false};
};

} // namespace turnix
