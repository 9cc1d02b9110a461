#include "app/QV3DViewer/frame/CommandPrompts.h"

#include "app/QV3DViewer/frame/CommandIds.h"

#include <map>

QString CommandPrompt(int command) {
    static const std::map<int, const char*> prompts = {
        {cmd::ControlBar, "Toggle the state of the control bar."},
        {cmd::Preferences, "Display dialog to adjust defaults and preferences"},
        {cmd::FileNew, "Create a new document\nNew"},
        {cmd::FileOpen, "Open an existing document\nOpen"},
        {cmd::FileSave, "Save the active document\nSave"},
        {cmd::Print, "Print the active document\nPrint"},
        {cmd::PrintPreview, "Display full pages\nPrint Preview"},
        {cmd::PrintSetup, "Change the printer and printing options\nPrint Setup"},
        {cmd::RecentFile1, "Open this document"},
        {cmd::AppExit, "Quit the application; prompts to save documents\nExit"},
        {cmd::EditUndo, "Undo the last action\nUndo"},
        {cmd::EditCut, "Cut the selection and put it on the Clipboard\nCut"},
        {cmd::EditCopy, "Copy the selection and put it on the Clipboard\nCopy"},
        {cmd::EditPaste, "Insert Clipboard contents\nPaste"},
        {cmd::ViewToolbar, "Show or hide the toolbar\nToggle ToolBar"},
        {cmd::ViewStatusBar, "Show or hide the status bar\nToggle StatusBar"},
        {cmd::AppAbout, "Display program information, version number and copyright\nAbout"},
    };
    const auto found = prompts.find(command);
    return found == prompts.end() ? QString() : QString::fromLatin1(found->second);
}

QString PromptStatusText(const QString& prompt) {
    return prompt.section(QLatin1Char('\n'), 0, 0);
}

QString PromptToolTip(const QString& prompt) {
    return prompt.section(QLatin1Char('\n'), 1, 1);
}
