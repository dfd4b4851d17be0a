#include "QgMainFormOpener.h"

#include "TMainForm.h"

#include <QDir>
#include <gtest/gtest.h>

QgMainFormOpener::QgMainFormOpener() : previousDir_(QDir::currentPath())
{
    QDir::setCurrent(installation_.Dir());
}

QgMainFormOpener::~QgMainFormOpener()
{
    Close();
    QDir::setCurrent(previousDir_);
}

TMainForm &QgMainFormOpener::Open(quint16 port, const QStringList &extra)
{
    EXPECT_TRUE(installation_.Write(port));
    qputenv("KELTRA_REGISTRY", installation_.RegistryPath().toUtf8());
    form_ = std::make_unique<TMainForm>(QStringList{"/I127.0.0.1", "/Rpublic", "/Wprivate"} + extra);
    return *form_;
}

void QgMainFormOpener::Close()
{
    form_.reset();
}
