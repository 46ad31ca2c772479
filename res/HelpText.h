#pragma once

// Help text we ship: context topics of the pages' controls, and the topic of each dialog
// that has a Help command. Null when there is no such topic.
namespace zel::res {
const char* contextHelpText(int contextId);  // help/ContextTopics.cpp
const char* dialogHelpTitle(int templateId); // help/DialogTopics.cpp
const char* dialogHelpText(int templateId);  // help/DialogTopics.cpp
} // namespace zel::res
