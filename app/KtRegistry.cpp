#include "KtRegistry.h"

#include <QtGlobal>

KtRegistry::KtRegistry() : ini_(DefaultPath()) {}

KtRegistry::KtRegistry(QString path) : ini_(std::move(path)) {}

QString KtRegistry::DefaultPath()
{
    const QString fromEnvironment = qEnvironmentVariable("KELTRA_REGISTRY");
    return fromEnvironment.isEmpty() ? QStringLiteral("/etc/keltra/registry.ini") : fromEnvironment;
}

QString KtRegistry::SectionFor(const QString &key)
{
    QString section = key.trimmed();
    while (section.startsWith('\\'))
        section.remove(0, 1);
    return section;
}

bool KtRegistry::OpenKey(const QString &key)
{
    section_ = SectionFor(key);
    open_ = ini_.HasSection(section_) || ini_.HasSection('\\' + section_);
    if (open_ && !ini_.HasSection(section_))
        section_ = '\\' + section_;
    return open_;
}

QString KtRegistry::ReadString(const QString &name) const
{
    return open_ ? ini_.ReadString(section_, name, QString()) : QString();
}

bool KtRegistry::ValueExists(const QString &name) const
{
    return !ReadString(name).isEmpty();
}
