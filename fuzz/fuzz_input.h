#pragma once

// The fuzzer's input as a data file of the program: written under `name` into a folder of this
// run's own, which becomes the working directory, as the program's is. Returns the file's path.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

inline QString writeInput(const QString& name, const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    return file.fileName();
}
