#pragma once

#include "MibStore.h"
#include "MibStoreListener.h"

// Shows the switch's name where a switch shows it besides sysName: as the
// device name of its own single-IP group (the row at its bridge address).
class SystemNameMirror : public MibStoreListener
{
public:
    explicit SystemNameMirror(MibStore &store);

    void valueChanged(const MibObjectDef &object, const Oid &instance) override;

private:
    void copyName();

    MibStore &store_;
    const MibObjectDef *sysName_;
};
