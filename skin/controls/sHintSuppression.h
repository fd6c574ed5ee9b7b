#pragma once
// The application's hints stay away while a mouse button is held on a
// skinned button: the first press saves the application's ShowHint and
// switches hints off, the release puts the saved value back. One record for
// the process (the user-interface thread).

namespace skin {

void SuppressHints();
void RestoreHints();
bool HintsSuppressed();

}  // namespace skin
