#pragma once

namespace zel {
class Dialog;
}

// The two centred status lines that both exchange dialogs show (IDC_EXCHANGE_STATUS_LINE1
// and IDC_EXCHANGE_STATUS_LINE2).
namespace zel::StatusLines {

// Screen readers read the lines by their current text, not the text they started with.
void makeReadable(zel::Dialog& dialog);

} // namespace zel::StatusLines
