#pragma once

class QPixmap;

namespace tesk {

// Registers the program's pictures, which live in the windows' library.
void InitResources();

// The program's logo, decoded once and shared by every window that shows it.
const QPixmap& LogoPicture();

} // namespace tesk
