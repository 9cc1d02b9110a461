// The accelerator table: it, not the menu texts, decides which command a key sends.
#pragma once

#include <QKeySequence>

#include <vector>

struct Accelerator {
    QKeySequence keys;
    int command = 0;
};

const std::vector<Accelerator>& AcceleratorTable();

// The command a key sends, 0 when the table has none.
int CommandForKeys(const QKeySequence& keys);
