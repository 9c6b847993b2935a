#pragma once

#include <QGuiApplication>

namespace senvio {

// The hourglass while a command works, taken down also when the command ends in an error.
struct Sanduhr {
    Sanduhr() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sanduhr() { QGuiApplication::restoreOverrideCursor(); }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
};

} // namespace senvio
