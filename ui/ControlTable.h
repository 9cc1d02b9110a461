// ControlTable: the controls of a dialog page or bar by their template ids. The typed lookup is
// checked: an unknown id or a control of another type gives null (and stops a debug build),
// never a cast to the wrong class.
#pragma once

#include <QWidget>

#include <utility>
#include <vector>

class ControlTable {
public:
    template <class T> T* Add(int id, T* widget) {
        entries.emplace_back(id, widget);
        return widget;
    }
    // The control with the given id, or null.
    QWidget* Find(int id) const;
    template <class T> T* As(int id) const {
        T* widget = dynamic_cast<T*>(Find(id));
        Q_ASSERT_X(widget != nullptr, "ControlTable::As", "no control of this type has this id");
        return widget;
    }

    // Every (id, control) pair, in the order they were added.
    auto begin() const { return entries.begin(); }
    auto end() const { return entries.end(); }

private:
    std::vector<std::pair<int, QWidget*>> entries;
};
