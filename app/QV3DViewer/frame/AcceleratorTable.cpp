#include "app/QV3DViewer/frame/AcceleratorTable.h"

#include "app/QV3DViewer/frame/CommandIds.h"

const std::vector<Accelerator>& AcceleratorTable() {
    static const std::vector<Accelerator> table = {
        {QKeySequence(Qt::CTRL | Qt::Key_T), cmd::ControlBar},
        {QKeySequence(Qt::CTRL | Qt::Key_C), cmd::EditCopy},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), cmd::EditCopy},
        {QKeySequence(Qt::CTRL | Qt::Key_X), cmd::EditCut},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), cmd::EditCut},
        {QKeySequence(Qt::CTRL | Qt::Key_V), cmd::EditPaste},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), cmd::EditPaste},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), cmd::EditUndo},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), cmd::EditUndo},
        {QKeySequence(Qt::CTRL | Qt::Key_O), cmd::FileOpen},
        {QKeySequence(Qt::CTRL | Qt::Key_P), cmd::Print},
        {QKeySequence(Qt::CTRL | Qt::Key_S), cmd::FileSave},
        {QKeySequence(Qt::CTRL | Qt::Key_E), cmd::ImageExport},
        {QKeySequence(Qt::CTRL | Qt::Key_N), cmd::ImageNote},
        {QKeySequence(Qt::CTRL | Qt::Key_R), cmd::Preferences},
        {QKeySequence(Qt::CTRL | Qt::Key_1), cmd::CommandHelp},
        {QKeySequence(Qt::CTRL | Qt::Key_2), cmd::ViewInformation},
        {QKeySequence(Qt::CTRL | Qt::Key_3), cmd::LightInformation},
        {QKeySequence(Qt::CTRL | Qt::Key_4), cmd::StereoAnaglyph},
        {QKeySequence(Qt::Key_F6), cmd::NextPane},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), cmd::PrevPane},
    };
    return table;
}

int CommandForKeys(const QKeySequence& keys) {
    for (const Accelerator& accelerator : AcceleratorTable()) {
        if (accelerator.keys == keys) {
            return accelerator.command;
        }
    }
    return 0;
}
