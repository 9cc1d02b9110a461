// CMainFrame: the top-level window: menu, standard toolbar, channel bar, the view, the control
// bar's place and the status bar. Commands travel by id; whoever handles one registers it here,
// and commands without a handler are disabled.
#pragma once

#include <QMainWindow>

#include <functional>
#include <map>

class CChannelBar;
class CViewControls;
class QAction;
class QDockWidget;
class QLabel;
class QMenu;

struct CommandHandler {
    std::function<void()> run;
    std::function<bool()> checked; // empty: not a check item
};

class CMainFrame : public QMainWindow {
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    void SetHandler(int command, CommandHandler handler);
    bool HasHandler(int command) const;
    // Runs the command's handler; false when it has none.
    bool OnCommand(int command);
    // Enables the actions that have a handler and refreshes the check marks.
    void UpdateCommandStates();

    // The menu item of a command (the first, for the recent files), null when there is none.
    QAction* MenuAction(int command) const;
    QMenu* RecentFileMenuAnchor() const { return fileMenu; }
    void SetRecentFiles(const QStringList& paths);

    CChannelBar* ChannelBar() const { return channelBar; }
    QToolBar* StandardToolBar() const { return toolBar; }
    QDockWidget* ControlBar() const { return controlBar; }
    CViewControls* ViewControls() const { return viewControls; }
    void ShowControlBar(bool show);
    // A lasting line at the left of the status bar about the open file (what became of values a
    // float cannot hold); empty hides it. Menu prompts cover it only while they are shown.
    void SetStatusNote(const QString& text);
    QString StatusNote() const;

    // Opens the dropped files one after another; the last that opens stays open.
    void OnDropFiles(const QStringList& paths);
    std::function<void(const QString&)> openDroppedFile;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* AddCommand(QMenu* menu, const QString& text, int command);
    void BuildMenus();
    void BuildToolBar();
    void BuildAccelerators();
    void BuildStatusBar();

    QToolBar* toolBar = nullptr;
    CChannelBar* channelBar = nullptr;
    QDockWidget* controlBar = nullptr;
    CViewControls* viewControls = nullptr;
    QLabel* statusNote = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* recentAnchor = nullptr;
    std::vector<QAction*> recentActions;
    std::multimap<int, QAction*> actions;
    std::map<int, CommandHandler> handlers;
};
