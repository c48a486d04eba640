#pragma once

class QPixmap;

namespace tesk {

// Registers the program's pictures, which live in the windows' library.
void InitResources();

// Names the running program, lets the desktop match its windows to its menu
// entry, registers its pictures and gives the windows the program's icon.
// Called once, right after the QApplication is made.
void SetUpApplication();

// The program's logo at its own size, shared by every window that shows it.
const QPixmap& LogoPicture();
// The logo scaled smoothly to fit width x height, keeping its proportions.
QPixmap LogoPicture(int width, int height);

// The program's icon, for its windows' title bars and the task bar.
QPixmap IconPicture();

} // namespace tesk
