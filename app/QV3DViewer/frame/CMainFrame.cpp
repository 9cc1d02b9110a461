#include "app/QV3DViewer/frame/CMainFrame.h"

#include "app/QV3DViewer/frame/AcceleratorTable.h"
#include "app/QV3DViewer/frame/CChannelBar.h"
#include "app/QV3DViewer/controls/CViewControls.h"
#include "app/QV3DViewer/frame/CommandIds.h"
#include "app/QV3DViewer/frame/CommandPrompts.h"
#include "app/QV3DViewer/frame/ToolBarIcons.h"
#include "ui/ViewerPreferences.h"

#include <QAction>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowIcon(style()->standardIcon(QStyle::SP_ComputerIcon));
    setAcceptDrops(true);
    BuildMenus();
    BuildToolBar();
    BuildAccelerators();

    channelBar = new CChannelBar(this);
    addToolBar(Qt::TopToolBarArea, channelBar);
    auto* toggle = new QAction(style()->standardIcon(QStyle::SP_TitleBarShadeButton), QString(), channelBar);
    toggle->setData(cmd::ControlBar);
    toggle->setCheckable(true);
    toggle->setStatusTip(PromptStatusText(CommandPrompt(cmd::ControlBar)));
    toggle->setToolTip(PromptStatusText(CommandPrompt(cmd::ControlBar)));
    connect(toggle, &QAction::triggered, this, [this] { OnCommand(cmd::ControlBar); });
    channelBar->addAction(toggle);
    actions.emplace(cmd::ControlBar, toggle);
    channelBar->SetPaletteSel(CurrentPreferences.PaletteIndex);

    BuildStatusBar();

    controlBar = new QDockWidget(this);
    controlBar->setObjectName(QStringLiteral("ControlBar"));
    controlBar->setFeatures(QDockWidget::NoDockWidgetFeatures);
    auto* titleBar = new QWidget(controlBar);
    titleBar->setFixedHeight(0);
    controlBar->setTitleBarWidget(titleBar);
    viewControls = new CViewControls(controlBar);
    controlBar->setWidget(viewControls);
    addDockWidget(Qt::BottomDockWidgetArea, controlBar);

    SetHandler(cmd::ControlBar, {[this] { ShowControlBar(controlBar->isHidden()); },
                                 [this] { return !controlBar->isHidden(); }});
    SetHandler(cmd::ViewToolbar, {[this] { toolBar->setVisible(toolBar->isHidden()); },
                                  [this] { return !toolBar->isHidden(); }});
    SetHandler(cmd::ViewStatusBar, {[this] { statusBar()->setVisible(statusBar()->isHidden()); },
                                    [this] { return !statusBar()->isHidden(); }});
    ShowControlBar(CurrentPreferences.ControlBar);
}

void CMainFrame::ShowControlBar(bool show) {
    controlBar->setVisible(show);
    UpdateCommandStates();
}

QAction* CMainFrame::AddCommand(QMenu* menu, const QString& text, int command) {
    QAction* action = menu->addAction(text);
    action->setData(command);
    action->setStatusTip(PromptStatusText(CommandPrompt(command)));
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    actions.emplace(command, action);
    return action;
}

void CMainFrame::BuildMenus() {
    fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    AddCommand(fileMenu, QStringLiteral("&New\tCtrl+N"), cmd::FileNew);
    AddCommand(fileMenu, QStringLiteral("&Open...\tCtrl+O"), cmd::FileOpen);
    fileMenu->addSeparator();
    AddCommand(fileMenu, QStringLiteral("&Print...\tCtrl+P"), cmd::Print);
    AddCommand(fileMenu, QStringLiteral("Print Pre&view"), cmd::PrintPreview);
    AddCommand(fileMenu, QStringLiteral("P&rint Setup..."), cmd::PrintSetup);
    fileMenu->addSeparator();
    recentAnchor = fileMenu->addAction(QStringLiteral("Recent File"));
    recentAnchor->setEnabled(false);
    recentAnchor->setData(cmd::RecentFile1);
    fileMenu->addSeparator();
    AddCommand(fileMenu, QStringLiteral("E&xit"), cmd::AppExit);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    AddCommand(edit, QStringLiteral("&Undo\tCtrl+Z"), cmd::EditUndo);
    edit->addSeparator();
    AddCommand(edit, QStringLiteral("Cu&t\tCtrl+X"), cmd::EditCut);
    AddCommand(edit, QStringLiteral("&Copy\tCtrl+C"), cmd::EditCopy);
    AddCommand(edit, QStringLiteral("&Paste\tCtrl+V"), cmd::EditPaste);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    AddCommand(view, QStringLiteral("&Toolbar"), cmd::ViewToolbar)->setCheckable(true);
    AddCommand(view, QStringLiteral("&Status Bar"), cmd::ViewStatusBar)->setCheckable(true);
    AddCommand(view, QStringLiteral("&Control Bar\tCtrl+T"), cmd::ControlBar)->setCheckable(true);
    view->addSeparator();
    QMenu* help = view->addMenu(QStringLiteral("&On Screen Help"));
    AddCommand(help, QStringLiteral("&Command Help\tCtrl+1"), cmd::CommandHelp)->setCheckable(true);
    AddCommand(help, QStringLiteral("&View Information\tCtrl+2"), cmd::ViewInformation)->setCheckable(true);
    AddCommand(help, QStringLiteral("&Light Information\tCtrl+3"), cmd::LightInformation)->setCheckable(true);
    AddCommand(help, QStringLiteral("&Stereo Anaglyph\tCtrl+4"), cmd::StereoAnaglyph)->setCheckable(true);
    AddCommand(view, QStringLiteral("P&references...\tCtrl+R"), cmd::Preferences);

    QMenu* image = menuBar()->addMenu(QStringLiteral("&Image"));
    AddCommand(image, QStringLiteral("Export...\tCtrl+E"), cmd::ImageExport);
    AddCommand(image, QStringLiteral("ASCII Export...\tCtrl+A"), cmd::AsciiExport);
    AddCommand(image, QStringLiteral("STL Export...\tCtrl+S"), cmd::StlExport);
    AddCommand(image, QStringLiteral("VRML Export...\tCtrl+V"), cmd::VrmlExport);
    image->addSeparator();
    AddCommand(image, QStringLiteral("Note...\tCtrl+N"), cmd::ImageNote);

    QMenu* about = menuBar()->addMenu(QStringLiteral("&Help"));
    AddCommand(about, QStringLiteral("&About Vistrel Light..."), cmd::AppAbout);

    for (QMenu* menu : {fileMenu, edit, view, help, image, about}) {
        connect(menu, &QMenu::aboutToShow, this, [this] { UpdateCommandStates(); });
    }
}

void CMainFrame::BuildToolBar() {
    toolBar = addToolBar(QStringLiteral("Standard"));
    toolBar->setObjectName(QStringLiteral("StandardToolBar"));
    toolBar->setIconSize(QSize(16, 15));
    // 0 is a separator.
    const int buttons[] = {cmd::FileNew, cmd::FileOpen, cmd::FileSave,  0,
                           cmd::EditCut, cmd::EditCopy, cmd::EditPaste, 0,
                           cmd::Print,   cmd::AppAbout};
    for (const int command : buttons) {
        if (command == 0) {
            toolBar->addSeparator();
            continue;
        }
        const QString prompt = CommandPrompt(command);
        auto* action = new QAction(ToolBarIcon(command, *style()), PromptToolTip(prompt), toolBar);
        action->setData(command);
        action->setStatusTip(PromptStatusText(prompt));
        connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
        toolBar->addAction(action);
        actions.emplace(command, action);
    }
}

void CMainFrame::BuildAccelerators() {
    for (const Accelerator& accelerator : AcceleratorTable()) {
        auto* action = new QAction(this);
        action->setShortcut(accelerator.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setData(accelerator.command);
        const int command = accelerator.command;
        connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
        addAction(action);
    }
}

// The key-state panes (CAP, NUM, SCRL) are left out: Qt does not tell the lock keys' state, and a
// pane that always reads lit would tell the user something untrue.
void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    statusNote = new QLabel(bar);
    statusNote->hide();
    bar->addWidget(statusNote, 1);
}

void CMainFrame::SetStatusNote(const QString& text) {
    statusNote->setText(text);
    statusNote->setToolTip(text);
    statusNote->setVisible(!text.isEmpty());
}

QString CMainFrame::StatusNote() const {
    return statusNote->text();
}

void CMainFrame::SetHandler(int command, CommandHandler handler) {
    handlers[command] = std::move(handler);
    UpdateCommandStates();
}

bool CMainFrame::HasHandler(int command) const {
    return handlers.count(command) != 0;
}

bool CMainFrame::OnCommand(int command) {
    const auto found = handlers.find(command);
    if (found == handlers.end() || !found->second.run) {
        return false;
    }
    // A copy: the handler may replace itself (a new document re-registers the view's commands).
    const std::function<void()> run = found->second.run;
    run();
    UpdateCommandStates();
    return true;
}

void CMainFrame::UpdateCommandStates() {
    for (const auto& [command, action] : actions) {
        const auto found = handlers.find(command);
        const bool handled = found != handlers.end();
        action->setEnabled(handled);
        if (handled && found->second.checked) {
            action->setCheckable(true);
            action->setChecked(found->second.checked());
        }
    }
}

QAction* CMainFrame::MenuAction(int command) const {
    for (auto [it, end] = actions.equal_range(command); it != end; ++it) {
        if (qobject_cast<QMenu*>(it->second->parent()) != nullptr) {
            return it->second;
        }
    }
    if (command == cmd::RecentFile1) {
        return recentActions.empty() ? recentAnchor : recentActions.front();
    }
    return nullptr;
}

void CMainFrame::SetRecentFiles(const QStringList& paths) {
    for (QAction* action : recentActions) {
        fileMenu->removeAction(action);
        action->deleteLater();
    }
    recentActions.clear();
    recentAnchor->setVisible(paths.isEmpty());
    for (int i = 0; i < paths.size(); ++i) {
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(paths[i]), fileMenu);
        action->setData(cmd::RecentFile1 + i);
        action->setStatusTip(PromptStatusText(CommandPrompt(cmd::RecentFile1)));
        const int command = cmd::RecentFile1 + i;
        connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
        fileMenu->insertAction(recentAnchor, action);
        recentActions.push_back(action);
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths << url.toLocalFile();
        }
    }
    event->acceptProposedAction();
    OnDropFiles(paths);
}

void CMainFrame::OnDropFiles(const QStringList& paths) {
    activateWindow();
    for (const QString& path : paths) {
        if (openDroppedFile) {
            openDroppedFile(path);
        }
    }
}
