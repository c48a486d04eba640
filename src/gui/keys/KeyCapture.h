#pragma once

// Picking a key for a key field in the key-capture dialog.

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace tesk {

class Desktop;

// The actions that already use a key, for the dialog to name before the
// player confirms it.
using KeyUsers = std::function<std::vector<std::string>(const std::string& key)>;

// Opens a new key-capture dialog titled "Bind " + name + " to Key:", modal
// over parent, and returns the key it closed with: a key button's name, the
// key pressed or typed in the box, or currentKey on Cancel. The caller puts
// the result into its field in every case.
std::string CaptureKey(Desktop& desktop, QWidget* parent, const std::string& name, const std::string& currentKey,
                       KeyUsers users = {});

} // namespace tesk
