// CViewPrinter: Print..., Print Preview and Print Setup of the view. One printer set-up is kept
// for the whole run; each page is the scene rendered off-screen at the size the page calls for.
#pragma once

#include <QPrinter>

#include <memory>

class QWidget;
class ViewController;

class CViewPrinter {
public:
    explicit CViewPrinter(ViewController& controller);
    virtual ~CViewPrinter() = default;
    CViewPrinter(const CViewPrinter&) = delete;
    CViewPrinter& operator=(const CViewPrinter&) = delete;

    // The print dialog, then the page; false when cancelled or nothing was printed.
    bool Print(QWidget* parent);
    // The page to the current printer without a dialog.
    bool PrintDirect();
    void Preview(QWidget* parent);
    void Setup(QWidget* parent);

    // Renders and draws the one page on `target`; in preview the frame is rendered at half size
    // and stretched onto the same area.
    bool PrintTo(QPrinter& target, bool previewing) const;

    // Made on first use: finding the system's printers is no work for the program's start.
    QPrinter& Printer();

private:
    ViewController& controller;
    std::unique_ptr<QPrinter> printer;
};
