// CAboutDlg: the modal "About Vistrel Light" box: name and version, the maker's contact details
// and the credits for the font library and the wave format, each with its link.
#pragma once

#include <QDialog>

class CHyperLink;
class QLabel;

class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QLabel* VersionLabel() const { return version; }
    CHyperLink* MakerLink() const { return makerLink; }
    CHyperLink* FontLibraryLink() const { return fontLink; }
    CHyperLink* WaveFormatLink() const { return waveLink; }

private:
    QLabel* version;
    CHyperLink* makerLink;
    CHyperLink* fontLink;
    CHyperLink* waveLink;
};
