#pragma once

#include "KtVb.h"

#include <QString>
#include <QStringView>
#include <optional>

// The exact value of a variable binding as one line of text, "TYPE:VALUE",
// so that a value saved in a snapshot file goes back to the agent as it
// came: the type the agent answered with and the value without any
// conversion. Types and values:
//   integer:-5           counter32:7     gauge32:7     timeticks:100 (hundredths)
//   counter64:7          octets:0A0B     opaque:0A0B   (upper-case hexadecimal)
//   ipaddress:10.0.0.1   oid:1.3.6.1     null:
// The exceptions (noSuchObject, noSuchInstance, endOfMibView) have no raw
// form: they are no value one could write back.
class KtRawValue
{
public:
    // The raw form, or nothing for an exception value.
    static std::optional<QString> Text(const KtVb &vb);

    // The binding value of a raw form (the OID is left empty), or nothing
    // for a text that is not exactly one raw form.
    static std::optional<KtVb> Parse(QStringView text);

    // The type word of a raw form ("integer"), empty when there is none.
    static QString TypeOf(QStringView text);
    // The value part of a raw form.
    static QString ValueOf(QStringView text);

    // The SNMP name of an exception value ("noSuchObject").
    static QString ExceptionName(KtVbType type);
};
