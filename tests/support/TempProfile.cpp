#include "TempProfile.h"

#include <QFile>

QString TempProfile::path() const
{
    return m_dir.filePath(QStringLiteral("Zel1.ini"));
}

void TempProfile::write(const QByteArray& contents) const
{
    QFile file(path());
    if (file.open(QIODevice::WriteOnly))
        file.write(contents);
}

QByteArray TempProfile::contents() const
{
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TempProfile::exists() const
{
    return QFile::exists(path());
}
