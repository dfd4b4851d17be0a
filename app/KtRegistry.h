#pragma once

#include "KtIni.h"

// A read-only stand-in for the machine-wide registry of the hosting
// platform: an INI file with one section per key under HKEY_LOCAL_MACHINE
// (written with or without a leading backslash) and value names as keys:
//
//   [SOFTWARE\Keltra\Ovix5.1\MibFile]
//   Path=/opt/ovix/conf/
//
// The file is $KELTRA_REGISTRY, or /etc/keltra/registry.ini when unset.
class KtRegistry
{
public:
    KtRegistry();
    explicit KtRegistry(QString path);

    static QString DefaultPath();

    // Opens a key; false when the key does not exist.
    bool OpenKey(const QString &key);
    // Reads a string value of the open key; empty when it has none.
    QString ReadString(const QString &name) const;
    bool ValueExists(const QString &name) const;

private:
    static QString SectionFor(const QString &key);

    KtIni ini_;
    QString section_;
    bool open_ = false;
};
