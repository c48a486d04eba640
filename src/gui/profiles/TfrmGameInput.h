#pragma once

// The game picker: the name of a game to add, typed or chosen from the
// directories of the game's installation.

#include <QDialog>

#include <string>

class QComboBox;
class QShowEvent;

namespace tesk {

class TfrmGameInput : public QDialog {
    Q_OBJECT
public:
    // Offers the games found in `gameDirectory`.
    explicit TfrmGameInput(std::string gameDirectory, QWidget* parent = nullptr);

    // The chosen name; empty when the user cancelled or left it blank.
    const std::string& chosenName() const { return chosenName_; }

    void FormActivate();
    void btnOkClick();
    void btnCancelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::string gameDirectory_;
    std::string chosenName_;
    QComboBox* cboGames_ = nullptr;
};

} // namespace tesk
