#pragma once

#include <QList>
#include <QString>

// Makes a file or a directory tree read-only for this test program, the way a read-only
// medium or a write-protected share is: as root, where file permissions stop no write,
// by a read-only bind mount in a mount namespace of the program's own (nothing outlives
// the program); otherwise by taking the write permissions away. Undone on destruction.
class ReadOnly {
public:
    ReadOnly() = default;
    ~ReadOnly();
    ReadOnly(const ReadOnly &) = delete;
    ReadOnly &operator=(const ReadOnly &) = delete;

    // False, with *why set, when this system allows neither way.
    bool protect(const QString &path, QString *why);

private:
    struct Permission {
        QString path;
        unsigned mode;
    };
    QStringList m_mounts;
    QList<Permission> m_permissions;
};
