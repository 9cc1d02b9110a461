// CHyperLink: a label that looks and behaves like a web link and opens its target with the
// desktop's handler.
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

class CHyperLink : public QLabel {
    Q_OBJECT
public:
    // Result codes of GotoURL: above kOpenedAbove means the target was opened.
    static constexpr int kOpenedAbove = 32;
    static constexpr int kOpened = 33;
    static constexpr int kNoHandler = 31; // the desktop has no handler for the target

    explicit CHyperLink(const QString& text = QString(), QWidget* parent = nullptr);

    void SetURL(const QString& text);
    QString GetURL() const { return url; }
    // An invalid hover colour stands for the system highlight colour.
    void SetColours(const QColor& link, const QColor& visitedLink, const QColor& hover = QColor());
    void SetVisited(bool on);
    bool GetVisited() const { return visited; }
    void SetUnderline(int mode); // 1 always, 0 never, -1 while the mouse is over the link
    void SetAutoSize(bool on);
    void SetLinkCursor(const QCursor& cursor);
    bool IsOverLink() const { return overLink; }
    QColor CurrentColour() const;
    static int GotoURL(const QString& target);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Restyle();
    void ResizeToText();

    QString url;
    QColor linkColour{0, 0, 238};
    QColor visitedColour{85, 26, 139};
    QColor hoverColour{255, 0, 0};
    bool overLink = false;
    bool visited = false;
    int underlineMode = -1;
    bool autoSize = true;
};
