#pragma once

namespace tesk {

// Registers the program's pictures, which live in the windows' library.
void InitResources();

} // namespace tesk
