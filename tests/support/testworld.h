#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

namespace pelinor::test {

/// A private world for the program: its own user data, documents, runtime folder and home, with the
/// program folder of the build tree (or a given one). apply() points this process's environment at it;
/// environment() gives the same for a child process.
class TestWorld {
public:
    explicit TestWorld(const QString& programFiles = QString())
        : m_programFiles(programFiles.isEmpty() ? QStringLiteral(PELINOR_TEST_BINARY_DIR "/share") : programFiles)
    {
        QDir().mkpath(path(QStringLiteral("home/Documents")));
        QDir().mkpath(path(QStringLiteral("runtime")));
        QFile::setPermissions(path(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString path(const QString& relative = QString()) const
    {
        return relative.isEmpty() ? m_dir.path() : m_dir.path() + QLatin1Char('/') + relative;
    }
    QString systemFolder() const { return path(QStringLiteral("appdata/Norvanta/Pelinor/Sys")); }
    QString documentsFolder() const { return path(QStringLiteral("home/Documents/Norvanta/Pelinor")); }
    QString settingsFile() const { return systemFolder() + QStringLiteral("/Pelinor_A.rng"); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("APPDATA"), path(QStringLiteral("appdata")));
        env.insert(QStringLiteral("PROGRAMFILES"), m_programFiles);
        env.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("home/.config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("home/.local/share")));
        env.insert(QStringLiteral("XDG_DOCUMENTS_DIR"), path(QStringLiteral("home/Documents")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("runtime")));
        return env;
    }

    void apply() const
    {
        const QProcessEnvironment env = environment();
        for (const QString& key : env.keys())
            qputenv(key.toLocal8Bit().constData(), env.value(key).toLocal8Bit());
    }

    QByteArray readBytes(const QString& file) const
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void writeBytes(const QString& file, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile f(file);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

private:
    QTemporaryDir m_dir;
    QString m_programFiles;
};

} // namespace pelinor::test
