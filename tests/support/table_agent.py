#!/usr/bin/python3
"""A small SNMP agent that is not net-snmp (pysnmp), for interoperability tests.

Serves over SNMPv1, SNMPv2c (community "public") and SNMPv3 (user "md5user",
HMAC-MD5 "md5password") on 127.0.0.1 and a free port:
  - ifTable (1.3.6.1.2.1.2.2.1) with 50 rows (ifIndex 1-50): ifIndex, ifDescr,
    ifType and ifMtu, but no ifMtu in rows 10-12;
  - dot1dTpFdbTable (1.3.6.1.2.1.17.4.3.1) with 1,000 stations: port and
    status (learned) for the addresses 00:1B:21:00:HH:LL, and the two
    scalars before it (dot1dTpLearnedEntryDiscards, dot1dTpAgingTime).
Prints "listening on 127.0.0.1:PORT" and serves until it is killed
(loopback_agent).
"""
import bisect
import sys

from pysnmp.carrier.asyncore.dgram import udp
from pysnmp.entity import config, engine
from pysnmp.entity.rfc3413 import cmdrsp, context
from pysnmp.proto.api import v2c
from pysnmp.smi import instrum

import loopback_agent

IF_ENTRY = (1, 3, 6, 1, 2, 1, 2, 2, 1)
DOT1D_TP = (1, 3, 6, 1, 2, 1, 17, 4)
FDB_ENTRY = DOT1D_TP + (3, 1)


def objects():
    values = {}
    for index in range(1, 51):
        values[IF_ENTRY + (1, index)] = v2c.Integer(index)
        values[IF_ENTRY + (2, index)] = v2c.OctetString('port %d' % index)
        values[IF_ENTRY + (3, index)] = v2c.Integer(999)
        if index not in (10, 11, 12):
            values[IF_ENTRY + (4, index)] = v2c.Integer(1500 + index)
    values[DOT1D_TP + (1, 0)] = v2c.Counter32(0)
    values[DOT1D_TP + (2, 0)] = v2c.Integer(300)
    for station in range(1000):
        mac = (0x00, 0x1B, 0x21, 0x00, station >> 8, station & 0xFF)
        values[FDB_ENTRY + (2,) + mac] = v2c.Integer(station + 1)
        values[FDB_ENTRY + (3,) + mac] = v2c.Integer(3)
    return values


class Objects(instrum.AbstractMibInstrumController):
    def __init__(self, values):
        self.values = values
        self.names = sorted(values)

    def readVars(self, varBinds, acInfo=(None, None)):
        return [(name, self.values.get(tuple(name), v2c.NoSuchInstance())) for name, _ in varBinds]

    def readNextVars(self, varBinds, acInfo=(None, None)):
        answers = []
        for name, _ in varBinds:
            at = bisect.bisect_right(self.names, tuple(name))
            if at < len(self.names):
                answers.append((v2c.ObjectIdentifier(self.names[at]), self.values[self.names[at]]))
            else:
                answers.append((name, v2c.EndOfMibView()))
        return answers

    def writeVars(self, varBinds, acInfo=(None, None)):
        raise instrum.error.SmiError('read-only agent')


def main():
    snmp = engine.SnmpEngine()
    transport = loopback_agent.open_transport()
    config.addTransport(snmp, udp.domainName, transport)
    config.addV1System(snmp, 'area', 'public')
    for model in (1, 2):
        config.addVacmUser(snmp, model, 'area', 'noAuthNoPriv', (1, 3, 6), (1, 3, 6))
    config.addV3User(snmp, 'md5user', config.usmHMACMD5AuthProtocol, 'md5password')
    config.addVacmUser(snmp, 3, 'md5user', 'authNoPriv', (1, 3, 6), (1, 3, 6))
    snmp_context = context.SnmpContext(snmp)
    snmp_context.unregisterContextName(v2c.OctetString(''))
    snmp_context.registerContextName(v2c.OctetString(''), Objects(objects()))
    cmdrsp.GetCommandResponder(snmp, snmp_context)
    cmdrsp.NextCommandResponder(snmp, snmp_context)
    cmdrsp.BulkCommandResponder(snmp, snmp_context)
    loopback_agent.serve(snmp.transportDispatcher, transport)


if __name__ == '__main__':
    sys.exit(main())
