#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace pelinor::test {

/// The child of `parent` of type T named `name`. A missing child ends the test run with its name, since
/// every later step would only fail less clearly.
template <typename T> T* child(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("No %s named \"%s\"", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

template <typename T> T* child(const QObject& parent, const char* name)
{
    return child<T>(&parent, QString::fromLatin1(name));
}

template <typename T> T* child(const QObject* parent, const char* name)
{
    return child<T>(parent, QString::fromLatin1(name));
}

} // namespace pelinor::test
