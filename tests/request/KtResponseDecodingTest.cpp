// Responses no agent on loopback sends: decoded from hand-built PDUs.
#include "KtSNMPRequest.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <gtest/gtest.h>

namespace {

class DecodingRequest : public KtSNMPRequest
{
public:
    using KtSNMPRequest::Decode;
    using KtSNMPRequest::Decoded;
};

const KtSNMPVarDef kTwoColumns[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.31.1.1.1.1", "ifName", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.18", "ifAlias", SyntaxDisplayString, AccessRead},
    {},
};

snmp_pdu *ResponseWithOneBinding()
{
    snmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_RESPONSE);
    const oid name[] = {1, 3, 6, 1, 2, 1, 31, 1, 1, 1, 1, 51};
    snmp_pdu_add_variable(pdu, name, OID_LENGTH(name), ASN_OCTET_STR, "1/1", 3);
    return pdu;
}

TEST(ResponseDecodingTest, MissingBindingsAreAbsentValues)
{
    for (KtListKind kind : {ListRow, ListTable}) {
        DecodingRequest request;
        request.Vars = KtSNMPVarList(kTwoColumns, kind, kind == ListTable ? 1 : 0);
        if (kind == ListRow)
            request.Vars.Instance = "51";
        snmp_pdu *response = ResponseWithOneBinding();
        DecodingRequest::Decoded outcome;
        request.Decode(response, outcome, false);
        snmp_free_pdu(response);
        EXPECT_EQ(request.Vars.Get(1).Value, "1/1");
        EXPECT_EQ(request.Vars.Get(2).Value, "(NULL)");
        if (kind == ListTable) {
            // The row still arrives; the column that went missing cannot go on.
            EXPECT_TRUE(outcome.RowDelivered);
            EXPECT_EQ(request.Vars.Get(0).Value, "51");
        }
    }
}

} // namespace
