#pragma once

// Picking a key for a key field in the key-capture dialog.

#include <string>

class QWidget;

namespace tesk {

class Desktop;

// Opens a new key-capture dialog titled "Bind " + name + " to Key:", modal
// over parent, and returns the key it closed with: a key button's name, the
// one-character box's text, or currentKey on Cancel. The caller puts the
// result into its field in every case.
std::string CaptureKey(Desktop& desktop, QWidget* parent, const std::string& name,
                       const std::string& currentKey);

} // namespace tesk
