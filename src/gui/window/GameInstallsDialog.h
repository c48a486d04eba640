#pragma once

// The installs of the game that Tesk found, offered before the file dialog:
// a click on one (or Enter) takes it; "Browse..." goes on to the file
// dialog; Cancel is the file dialog's cancel.

#include "core/app/GameFinder.h"

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

namespace tesk {

class GameInstallsDialog : public QDialog {
    Q_OBJECT
public:
    // The result code of "Browse...".
    static constexpr int kBrowse = 2;

    GameInstallsDialog(const std::vector<FoundGame>& found, QWidget* parent);
    // The chosen game directory, after Accepted.
    const std::string& chosen() const { return chosen_; }

private:
    void Take(int row);

    std::vector<FoundGame> found_;
    QListWidget* lstFoundGames_ = nullptr;
    std::string chosen_;
};

} // namespace tesk
