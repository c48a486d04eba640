#pragma once

// Fields whose text the game's console would cut: the characters that cut it
// are refused as they are typed or pasted, and a note under the field says
// why.

#include <QString>

#include <string_view>

class QLineEdit;

namespace tesk {

// The note for a value written between double quotes, and for a bare word.
QString QuotedValueNote();
QString ConsoleWordNote();

// Refuses every character of `refused` in `edit`: a key press or paste that
// holds one changes nothing and shows `note` at the field.
void RefuseCharacters(QLineEdit& edit, std::string_view refused, const QString& note);

} // namespace tesk
