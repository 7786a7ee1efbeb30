#pragma once

#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

// The window's control of that name and type. A missing one fails the test
// that asked for it: the test stops there, the other tests go on.
template <class T> T *control(const QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found) {
        ADD_FAILURE() << "the window has no control " << name << " of the type asked for";
        throw std::runtime_error(std::string("missing control ") + name);
    }
    return found;
}
