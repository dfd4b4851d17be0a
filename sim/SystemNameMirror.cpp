#include "SystemNameMirror.h"

SystemNameMirror::SystemNameMirror(MibStore &store)
    : store_(store), sysName_(store.schema().objectByName("sysName"))
{
    copyName();
}

void SystemNameMirror::valueChanged(const MibObjectDef &object, const Oid &)
{
    if (&object == sysName_)
        copyName();
}

void SystemNameMirror::copyName()
{
    const MibObjectDef *deviceName = store_.schema().objectByName("swSingleIPGroupDeviceName");
    const MibObjectDef *bridgeAddress = store_.schema().objectByName("dot1dBaseBridgeAddress");
    if (!sysName_ || !deviceName || !bridgeAddress)
        return;
    const MibInstance *name = store_.find(sysName_->oid.child(0));
    const MibInstance *address = store_.find(bridgeAddress->oid.child(0));
    if (!name || !address)
        return;
    Oid instance = deviceName->oid;
    for (unsigned char octet : address->value.bytes())
        instance = instance.child(octet);
    store_.setValue(instance, name->value);
}
