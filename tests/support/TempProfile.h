#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A profile file in a temporary folder.
class TempProfile
{
public:
    QString path() const;
    void write(const QByteArray& contents) const;
    QByteArray contents() const;
    bool exists() const;

private:
    QTemporaryDir m_dir;
};
