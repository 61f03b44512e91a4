#pragma once

class QMessageBox;

namespace sorvik::platform {

// Widens a message box so that its title shows whole and each line of its text stays on one
// line: a Japanese sentence has no spaces, and a box that folds it at its own width cuts words
// ("ありま" / "す。"). A line too long even for the widest box is folded after its punctuation.
void fitMessageBox(QMessageBox& box);

}  // namespace sorvik::platform
