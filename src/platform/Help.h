#pragma once

#include <span>

class QWidget;

namespace zel {

struct HelpPair
{
    int controlId;
    int contextId;
};

// Context help: the topic of `control` (looked up in `pairs`, ended by {0, 0}) as a pop-up
// at the control. Returns false when the control has no topic.
bool showContextHelp(QWidget* control, int controlId, std::span<const HelpPair> pairs);
// The Help command: a help window on the topic of a dialog template.
void showHelpTopic(int dialogTemplateId, QWidget* parent);
// Closes any help window this program opened.
void closeHelp();

} // namespace zel
