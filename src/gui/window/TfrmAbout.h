#pragma once

#include <QDialog>

namespace tesk {

// The About box: the program's picture, stretched over the whole window,
// with four lines about its author, and the program's version and licence
// below them. Closed with its close box.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);
};

} // namespace tesk
