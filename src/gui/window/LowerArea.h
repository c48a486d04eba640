#pragma once

// The main window's lower area: the check boxes of the launch, the Run
// button, and the fields of the config file, the batch file and the game
// directory with their picture buttons.

class QObject;
class QWidget;

namespace tesk {

class SettingsView;

// `runButtonWatcher` sees the Run button's events (its tooltip says what Run
// would start).
QWidget* BuildLowerArea(SettingsView& view, QObject& runButtonWatcher);

} // namespace tesk
