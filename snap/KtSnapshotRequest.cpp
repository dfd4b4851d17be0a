#include "KtSnapshotRequest.h"

#include "KtException.h"
#include "KtRawValue.h"

void KtSnapshotRequest::VbToText(int i, const KtVb &vb)
{
    received_[i] = vb;
    KtSNMPRequest::VbToText(i, vb);
}

void KtSnapshotRequest::TextToVb(int i, KtVb &vb)
{
    const KtSNMPVar &var = Vars.Get(i);
    const auto value = KtRawValue::Parse(var.Value);
    if (!value)
        throw KtValueError(QStringLiteral("\"%1\" is no raw value (TYPE:VALUE)").arg(var.Value))
            .ForField(var.Name);
    const KtOid oid = vb.Oid;
    vb = *value;
    vb.Oid = oid;
}

const KtVb *KtSnapshotRequest::Received(int i) const
{
    const auto found = received_.find(i);
    return found == received_.end() ? nullptr : &found->second;
}
