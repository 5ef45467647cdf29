#pragma once

#include <QList>
#include <QObject>

// The components a window owns, in the order they were created: every object
// below it, each parent before its children.
inline QList<QObject *> componentsOf(const QObject *window)
{
    return window->findChildren<QObject *>();
}
