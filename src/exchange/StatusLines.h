#pragma once

namespace zel {
class Dialog;
}

// The two centred status lines that both exchange dialogs show.
namespace StatusLines {

inline constexpr int kLine1 = 1047;
inline constexpr int kLine2 = 1048;

// Screen readers read the lines by their current text, not the text they started with.
void makeReadable(zel::Dialog& dialog);

} // namespace StatusLines
