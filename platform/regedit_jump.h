#pragma once
// Brings the registry editor up at a key by typing the key's path into its tree, as a user would.
#include <string>

namespace qlmr {

// Starts the editor when none is open (waiting at most 200 ms for it), collapses its tree to the
// root and walks down the path: a right arrow for every backslash, the other characters typed.
// Blocks for about half a second per backslash plus one second. Every message to the editor is
// bounded (about 2 s in all): an editor that does not answer in time ends the walk.
enum class JumpResult { Done, NoEditor, NotResponding };
JumpResult jumpToRegistryKey(const std::string& keyPath);

}  // namespace qlmr
