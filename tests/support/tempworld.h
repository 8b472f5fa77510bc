#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

namespace pelinor::test {

/// A private temporary folder for a test, with small helpers to write and read raw files in it.
class TempWorld {
public:
    QString path(const QString& relative = QString()) const
    {
        return relative.isEmpty() ? m_dir.path() : m_dir.path() + QLatin1Char('/') + relative;
    }

    void writeBytes(const QString& relative, const QByteArray& bytes) const
    {
        const QString file = path(relative);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile f(file);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

    QByteArray readBytes(const QString& relative) const
    {
        QFile f(path(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    bool exists(const QString& relative) const { return QFileInfo::exists(path(relative)); }

private:
    QTemporaryDir m_dir;
};

} // namespace pelinor::test
