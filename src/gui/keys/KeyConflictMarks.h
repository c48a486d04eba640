#pragma once

// Shows the keys bound twice on the window's key fields.

class QWidget;

namespace tesk {

class SettingsModel;

// Every key field under `scope` whose key another key field also holds is
// marked, in a colour taken from the palette so that it reads in light and
// dark themes, and its tooltip names the other actions. Every key field's
// tooltip says that a double-click picks its key.
void MarkKeysBoundTwice(QWidget& scope, const SettingsModel& model);

} // namespace tesk
