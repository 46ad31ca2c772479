#pragma once

#include <QString>

// Help text we ship, in the user's language: context topics of the pages' controls, and the
// topic of each dialog that has a Help command. Empty when there is no such topic.
namespace zel::res {
QString contextHelpText(int contextId);  // help/ContextTopics.cpp
QString dialogHelpTitle(int templateId); // help/DialogTopics.cpp
QString dialogHelpText(int templateId);  // help/DialogTopics.cpp
} // namespace zel::res
