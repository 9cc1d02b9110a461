#include "ui/CPreferencesProp.h"

#include "ui/CPreferencesPage.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

CPreferencesProp::CPreferencesProp(const ViewerPreferences& record, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Preferences");
    page = new CPreferencesPage;
    page->prefs = record;
    page->Initialise();
    auto* tabs = new QTabWidget;
    tabs->addTab(page, "Image");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPreferencesProp::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPreferencesProp::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

const ViewerPreferences& CPreferencesProp::GetPreferences() const {
    return page->prefs;
}

void CPreferencesProp::accept() {
    if (page->Apply()) {
        QDialog::accept();
    }
}
