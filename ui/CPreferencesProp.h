// CPreferencesProp: the "Preferences" sheet, one "Image" page under OK and Cancel. It edits a copy
// of the record it is given; after exec() returns Accepted, GetPreferences() is the edited record.
// Replacing and saving the application's record is the caller's business.
#pragma once

#include "ui/ViewerPreferences.h"

#include <QDialog>

class CPreferencesPage;

class CPreferencesProp : public QDialog {
public:
    explicit CPreferencesProp(const ViewerPreferences& record, QWidget* parent = nullptr);

    const ViewerPreferences& GetPreferences() const;
    CPreferencesPage* Page() const { return page; }

    // Keeps the sheet open when the page refuses its values.
    void accept() override;

private:
    CPreferencesPage* page;
};
