// Status-bar prompts and tool tips of the commands: "prompt\ntip".
#pragma once

#include <QString>

// Empty for a command that has none.
QString CommandPrompt(int command);
// The status-bar part and the tool-tip part of a prompt.
QString PromptStatusText(const QString& prompt);
QString PromptToolTip(const QString& prompt);
