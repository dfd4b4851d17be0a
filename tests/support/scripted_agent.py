#!/usr/bin/python3
"""An SNMPv1/v2c agent that answers every PDU by hand from a script, so that
tests can meet what real agents send and ideal ones never do: values of the
wrong type, noSuchObject inside a walk, tooBig.

    scripted_agent.py SCRIPT

SCRIPT has one statement a line ("#" starts a comment):

    OID TYPE VALUE      a value the agent serves (TYPE: i integer, s octet
                        string, x octet string in hexadecimal, o object
                        identifier, n noSuchObject, e empty octet string)
    toobig OID          get-next requests for OIDs inside this subtree are
                        answered with tooBig

Any community is accepted. Gets of absent objects answer noSuchName (v1) or
noSuchObject (v2c); a get-next past the last object answers noSuchName (v1)
or endOfMibView (v2c); GetBulk answers max-repetitions rows. The first line on standard output is
"listening on 127.0.0.1:PORT".
"""
import sys

from pyasn1.codec.ber import decoder, encoder
from pysnmp.carrier.asyncore.dgram import udp
from pysnmp.carrier.asyncore.dispatch import AsyncoreDispatcher
from pysnmp.proto import api

import loopback_agent


def parse_oid(text):
    return tuple(int(part) for part in text.strip(".").split("."))


def load(path):
    values, too_big = {}, []
    with open(path) as script:
        for line in script:
            words = line.split("#")[0].split(None, 2)
            if not words:
                continue
            if words[0] == "toobig":
                too_big.append(parse_oid(words[1]))
                continue
            kind = words[1]
            text = words[2].strip() if len(words) > 2 else ""
            values[parse_oid(words[0])] = (kind, text)
    return sorted(values.items()), too_big


def make_value(module, kind, text):
    if kind == "i":
        return module.Integer(int(text))
    if kind == "s":
        return module.OctetString(text)
    if kind == "x":
        return module.OctetString(hexValue=text)
    if kind == "e":
        return module.OctetString("")
    if kind == "o":
        return module.ObjectIdentifier(text)
    if kind == "n":
        return api.v2c.NoSuchObject()
    raise ValueError("unknown type " + kind)


def inside(oid, prefix):
    return oid[: len(prefix)] == prefix


def main():
    table, too_big = load(sys.argv[1])
    dispatcher = AsyncoreDispatcher()

    def next_binding(module, version, name):
        """The binding get-next answers for name, or None past the end (v1)."""
        later = [(oid, v) for oid, v in table if oid > tuple(name)]
        if later:
            oid, (kind, text) = later[0]
            return oid, make_value(module, kind, text)
        return None if version == api.protoVersion1 else (name, api.v2c.EndOfMibView())

    def bindings_for(module, version, pdu):
        """The bindings of the response, or (status, index) of an error."""
        names = [oid for oid, _ in module.apiPDU.getVarBinds(pdu)]
        walking = pdu.isSameTypeWith(module.GetNextRequestPDU())
        rounds = [names]
        if version != api.protoVersion1 and pdu.isSameTypeWith(api.v2c.GetBulkRequestPDU()):
            walking = True
            repeaters = int(api.v2c.apiBulkPDU.getNonRepeaters(pdu))
            repetitions = max(int(api.v2c.apiBulkPDU.getMaxRepetitions(pdu)), 1)
            rounds = [names]
            repeated = names[repeaters:]
            for _ in range(repetitions - 1):
                if not repeated:
                    break
                rounds.append([None] * len(repeated))
        bindings = []
        previous = list(names)
        for round_number, round_names in enumerate(rounds):
            for position, name in enumerate(round_names):
                if round_number > 0:
                    name = previous[repeaters + position]
                index = len(bindings) + 1
                if walking:
                    if any(inside(tuple(name), prefix) for prefix in too_big):
                        return ("tooBig", 0)
                    binding = next_binding(module, version, name)
                    if binding is None:
                        return ("noSuchName", index)
                else:
                    found = dict(table).get(tuple(name))
                    if found:
                        binding = (name, make_value(module, *found))
                    elif version == api.protoVersion1:
                        return ("noSuchName", index)
                    else:
                        binding = (name, api.v2c.NoSuchObject())
                bindings.append(binding)
                if round_number == 0:
                    previous[position] = binding[0]
                else:
                    previous[repeaters + position] = binding[0]
        return bindings

    def answer(dispatcher, domain, address, message):
        while message:
            version = int(api.decodeMessageVersion(message))
            module = api.protoModules[version]
            request, message = decoder.decode(message, asn1Spec=module.Message())
            pdu = module.apiMessage.getPDU(request)
            response = module.apiMessage.getResponse(request)
            reply = module.apiMessage.getPDU(response)
            outcome = bindings_for(module, version, pdu)
            if isinstance(outcome, tuple):
                module.apiPDU.setErrorStatus(reply, outcome[0])
                module.apiPDU.setErrorIndex(reply, outcome[1])
                module.apiPDU.setVarBinds(reply, module.apiPDU.getVarBinds(pdu))
            else:
                module.apiPDU.setVarBinds(reply, outcome)
            dispatcher.sendMessage(encoder.encode(response), domain, address)
        return message

    dispatcher.registerRecvCbFun(answer)
    transport = loopback_agent.open_transport()
    dispatcher.registerTransport(udp.domainName, transport)
    loopback_agent.serve(dispatcher, transport)


if __name__ == "__main__":
    main()
