#include "KtSNMPRequest.h"

#include "KtCatalogue.h"
#include "KtErrorCode.h"
#include "KtException.h"
#include "KtNumList.h"
#include "KtSession.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <memory>
#include <vector>

namespace {

constexpr int kTooBig = -101;
constexpr int kNoSuchName = -102;
constexpr qint64 kDestructorWaitMs = 6000;
// A write whose selection leaves no variable to send.
constexpr int kNothingToWrite = -530;

[[noreturn]] void RaiseMapped(const KtMappedResult &mapped)
{
    throw KtException(mapped.Message, mapped.Code);
}

// ---- net-snmp variable bindings to and from the toolkit's own -------------

KtOid OidOf(const oid *ids, size_t length)
{
    std::vector<quint32> sub(ids, ids + length);
    return KtOid(std::move(sub));
}

KtVb VbFromLibrary(const netsnmp_variable_list &var)
{
    KtVb vb(OidOf(var.name, var.name_length));
    switch (var.type) {
    case ASN_INTEGER:
        vb.SetInteger(qint32(*var.val.integer));
        break;
    case ASN_COUNTER:
        vb.SetUnsigned(KtVbType::Counter32, quint32(*var.val.integer));
        break;
    case ASN_GAUGE:
        vb.SetUnsigned(KtVbType::Gauge32, quint32(*var.val.integer));
        break;
    case ASN_TIMETICKS:
        vb.SetUnsigned(KtVbType::TimeTicks, quint32(*var.val.integer));
        break;
    case ASN_COUNTER64:
        vb.SetCounter64((quint64(var.val.counter64->high) << 32) | quint64(var.val.counter64->low));
        break;
    case ASN_OCTET_STR:
    case ASN_OPAQUE:
    case ASN_IPADDRESS:
        vb.SetOctets(QByteArray(reinterpret_cast<const char *>(var.val.string), int(var.val_len)),
                     KtVbType(var.type));
        break;
    case ASN_OBJECT_ID:
        vb.SetObjectId(OidOf(var.val.objid, var.val_len / sizeof(oid)));
        break;
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
        vb.SetNoValue(KtVbType(var.type));
        break;
    default:
        vb.SetNull();
        break;
    }
    return vb;
}

void AddToPdu(snmp_pdu *pdu, const KtVb &vb)
{
    std::vector<oid> name(vb.Oid.Ids().begin(), vb.Oid.Ids().end());
    const u_char type = u_char(vb.Type());
    switch (vb.Type()) {
    case KtVbType::Integer: {
        long value = vb.Int32();
        snmp_pdu_add_variable(pdu, name.data(), name.size(), type, &value, sizeof value);
        break;
    }
    case KtVbType::Counter32:
    case KtVbType::Gauge32:
    case KtVbType::TimeTicks: {
        u_long value = vb.UInt32();
        snmp_pdu_add_variable(pdu, name.data(), name.size(), type, &value, sizeof value);
        break;
    }
    case KtVbType::Counter64: {
        counter64 value{u_long(vb.UInt64() >> 32), u_long(vb.UInt64() & 0xffffffffu)};
        snmp_pdu_add_variable(pdu, name.data(), name.size(), type, &value, sizeof value);
        break;
    }
    case KtVbType::OctetString:
    case KtVbType::Opaque:
    case KtVbType::IpAddress:
        snmp_pdu_add_variable(pdu, name.data(), name.size(), type, vb.Octets().constData(),
                              size_t(vb.Octets().size()));
        break;
    case KtVbType::ObjectId: {
        std::vector<oid> value(vb.ObjectIdValue().Ids().begin(), vb.ObjectIdValue().Ids().end());
        snmp_pdu_add_variable(pdu, name.data(), name.size(), type, value.data(), value.size() * sizeof(oid));
        break;
    }
    default:
        snmp_add_null_var(pdu, name.data(), name.size());
        break;
    }
}

std::vector<KtVb> BindingsOf(const snmp_pdu *response)
{
    std::vector<KtVb> bindings;
    for (const netsnmp_variable_list *var = response ? response->variables : nullptr; var;
         var = var->next_variable)
        bindings.push_back(VbFromLibrary(*var));
    return bindings;
}

// A context engine ID typed as hexadecimal ("80001f88..." or "0x80...")
// is sent as the octets it spells; any other text as its characters.
QByteArray ContextEngineIDOctets(const QString &text)
{
    QString hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? text.mid(2) : text;
    const bool isHex =
        !hex.isEmpty() && hex.size() % 2 == 0 &&
        std::all_of(hex.begin(), hex.end(), [](QChar c) { return std::isxdigit(c.toLatin1()); });
    return isHex ? QByteArray::fromHex(hex.toLatin1()) : text.toUtf8();
}

struct PduDeleter
{
    void operator()(snmp_pdu *pdu) const { KtSession::FreePdu(pdu); }
};
using PduPtr = std::unique_ptr<snmp_pdu, PduDeleter>;

} // namespace

KtMappedResult MapResult(int result)
{
    int code = -528;
    if (result == 0 || result == 1400 || result == -1401)
        code = 0;
    else if (result >= 1 && result <= 18)
        code = -(100 + result);
    else if (result <= -1402 && result >= -1418)
        code = result + 1201;
    else if (result >= 1401 && result <= 1414)
        code = 1100 - result;
    else if (result <= -1 && result >= -23)
        code = result - 400;
    return {code, KtErrorText(code)};
}

KtSNMPRequest::KtSNMPRequest()
    : TimeOut(KtSNMPDefaults.TimeOut), Device(KtSNMPDefaults.Device), Scope(KtSNMPDefaults.Scope),
      Security(KtSNMPDefaults.Security), conversion_(Vars)
{
}

KtSNMPRequest::~KtSNMPRequest()
{
    Enabled = false;
    QElapsedTimer clock;
    clock.start();
    while (Pending > 0 && clock.elapsed() < kDestructorWaitMs)
        KtProcessEventsBriefly();
    // Completions still on their way must never reach this object.
    if (KtSNMPSession)
        for (quint64 handle : std::as_const(outstanding_))
            KtSNMPSession->Cancel(handle);
}

// ---- conversions ------------------------------------------------------------

QString KtSNMPRequest::SubstituteVariables(const QString &text, QChar marker, bool quoteStrings)
{
    return conversion_.SubstituteVariables(text, marker, quoteStrings);
}

QString KtSNMPRequest::IndexToValue(int i, const QString &suffix)
{
    return conversion_.IndexToValue(i, suffix);
}

QString KtSNMPRequest::ValueToIndex(int i)
{
    return conversion_.ValueToIndex(i);
}

void KtSNMPRequest::VbToText(int i, const KtVb &vb)
{
    conversion_.VbToText(i, vb);
}

void KtSNMPRequest::TextToVb(int i, KtVb &vb)
{
    conversion_.TextToVb(i, vb);
}

void KtSNMPRequest::ApplyFormula(int i, bool afterRead)
{
    conversion_.ApplyFormula(i, afterRead);
}

bool KtSNMPRequest::EvaluateCondition(const QString &text)
{
    return conversion_.EvaluateCondition(text);
}

// A column has ended when the agent answers with an OID outside it, or with
// one that does not come after the OID asked for: an agent that repeats or
// goes back would otherwise keep a walk going for ever.
bool KtSNMPRequest::IsOutsideColumn(const QString &baseOid, const QString &currentOid,
                                    const QString &receivedOid)
{
    if (!Vars.IsTable())
        return false;
    const bool insideColumn = receivedOid.size() > baseOid.size() && receivedOid.startsWith(baseOid) &&
                              receivedOid.at(baseOid.size()) == QLatin1Char('.');
    if (!insideColumn || receivedOid == currentOid)
        return true;
    if (currentOid.isEmpty())
        return false;
    return KtOid::FromText(receivedOid) <= KtOid::FromText(currentOid);
}

// ---- index ------------------------------------------------------------------

void KtSNMPRequest::DecodeIndex(const QString &suffix)
{
    QString remaining = suffix;
    for (int i = 0; i < Vars.IndexCount && i < Vars.Count(); ++i) {
        if (remaining.isEmpty())
            KtRaise(-514);
        if (!Vars.IsReadable(i))
            Vars.Get(i).CurrentOid = BaseOid(i) + QLatin1Char('.') + remaining;
        remaining = IndexToValue(i, remaining);
    }
}

QString KtSNMPRequest::EncodeIndex()
{
    QStringList parts;
    for (int i = 0; i < Vars.IndexCount && i < Vars.Count(); ++i)
        parts << ValueToIndex(i);
    return parts.join(QLatin1Char('.'));
}

// ---- PDUs -------------------------------------------------------------------

QString KtSNMPRequest::BaseOid(int i) const
{
    const KtSNMPVar &var = Vars.Get(i);
    return Vars.Instance.isEmpty() ? var.Oid : var.Oid + QLatin1Char('.') + Vars.Instance;
}

int KtSNMPRequest::OperationFor(Purpose purpose) const
{
    const bool write = purpose == Purpose::Write;
    switch (Vars.Kind) {
    case ListScalars:
        return write ? SNMP_MSG_SET : SNMP_MSG_GET;
    case ListRow:
        return write ? SNMP_MSG_SET : (UseGetNext ? SNMP_MSG_GETNEXT : SNMP_MSG_GET);
    case ListTable:
    case ListTableEx:
        return write ? SNMP_MSG_SET : SNMP_MSG_GETNEXT;
    default:
        KtRaise(-515);
    }
}

snmp_pdu *KtSNMPRequest::NewPdu(int command) const
{
    PduPtr pdu(snmp_pdu_create(command));
    if (Security.Version == 3) {
        pdu->securityLevel = Security.SecurityLevel;
        const QByteArray contextName = Scope.ContextName.toUtf8();
        pdu->contextName =
            static_cast<char *>(netsnmp_memdup(contextName.constData(), size_t(contextName.size()) + 1));
        pdu->contextNameLen = size_t(contextName.size());
        const QByteArray engineID = ContextEngineIDOctets(Scope.ContextEngineID);
        if (!engineID.isEmpty()) {
            pdu->contextEngineID =
                static_cast<u_char *>(netsnmp_memdup(engineID.constData(), size_t(engineID.size())));
            pdu->contextEngineIDLen = size_t(engineID.size());
        }
    }
    return pdu.release();
}

snmp_pdu *KtSNMPRequest::BuildPdu(Purpose purpose)
{
    PduPtr pdu(NewPdu(OperationFor(purpose)));
    for (int i = 0; i < Vars.Count(); ++i) {
        KtSNMPVar &var = Vars.Get(i);
        QString oidText;
        KtVb vb;
        switch (purpose) {
        case Purpose::ReadFirst:
            if (!Vars.IsReadable(i))
                continue;
            var.CurrentOid.clear();
            oidText = Vars.Kind == ListScalars ? BaseOid(i) + QStringLiteral(".0") : BaseOid(i);
            break;
        case Purpose::ReadNext:
            if (!Vars.IsReadable(i))
                continue;
            if (!Vars.IsTable())
                KtRaise(-510);
            oidText = var.CurrentOid;
            break;
        case Purpose::Write:
            if ((Vars.IsTable() && i < Vars.IndexCount) || !Vars.IsWritable(i))
                continue;
            if (Vars.Kind == ListScalars)
                oidText = BaseOid(i) + QStringLiteral(".0");
            else if (Vars.Kind == ListRow)
                oidText = BaseOid(i);
            else if (Vars.IsTable())
                oidText = BaseOid(i) + QLatin1Char('.') + EncodeIndex();
            else
                KtRaise(-515);
            TextToVb(i, vb);
            break;
        }
        bool ok = false;
        vb.Oid = KtOid::FromText(oidText, &ok);
        if (!ok)
            RaiseMapped(MapResult(-17)); // invalid object identifier
        AddToPdu(pdu.get(), vb);
    }
    return pdu.release();
}

// ---- decoding ---------------------------------------------------------------

void KtSNMPRequest::Decode(snmp_pdu *response, Decoded &outcome, bool raiseEndOfView)
{
    DecodeBindings(BindingsOf(response), outcome, raiseEndOfView);
}

void KtSNMPRequest::DecodeBindings(const std::vector<KtVb> &bindings, Decoded &outcome, bool raiseEndOfView)
{
    int done = 0;
    int seen = 0;
    QString suffix;
    for (int i = 0; i < Vars.Count(); ++i) {
        if (!Vars.IsReadable(i))
            continue;
        KtSNMPVar &var = Vars.Get(i);
        const QString base = BaseOid(i);
        const bool present = seen < int(bindings.size());
        const QString received = present ? bindings[size_t(seen)].Oid.ToText() : QString();

        if (outcome.Code == kNoSuchName && Vars.IsTable()) {
            // An SNMPv1 agent answers a get-next past its last object with
            // noSuchName and the OIDs asked for: the table has ended.
            if (present && var.CurrentOid == received) {
                outcome.Code = 0;
                outcome.Message = KtErrorText(0);
            } else if (raiseEndOfView) {
                KtRaise(kNoSuchName);
            }
            outcome.Finished = true;
            return;
        }
        if (!present) {
            // A response that leaves a variable out: its value is unknown,
            // and its column cannot go on.
            var.Value = QStringLiteral("(NULL)");
            if (Vars.IsTable())
                ++done;
        } else if (IsOutsideColumn(base, var.CurrentOid, received)) {
            ++done;
            var.Value = QStringLiteral("(NOTDONE)");
            var.CurrentOid = base + QLatin1Char('.') + EncodeIndex();
        } else {
            VbToText(i, bindings[size_t(seen)]);
            var.CurrentOid = received;
            // The row's index comes from a column that is still inside the
            // table, never from an OID of another column.
            if (suffix.isEmpty() && received.size() > base.size())
                suffix = received.mid(base.size() + 1);
        }
        ++seen;
    }
    outcome.Finished = true;
    if (done == seen)
        return;
    if (Vars.IsTable())
        DecodeIndex(suffix);
    for (int i = 0; i < Vars.Count(); ++i)
        ApplyFormula(i, true);
    if (Vars.IsTable()) {
        outcome.RowDelivered = true;
        outcome.Finished = false;
    }
}

// ---- sending ----------------------------------------------------------------

snmp_pdu *KtSNMPRequest::SendSync(snmp_pdu *pdu, const KtSNMPTarget &target, bool write, int &code)
{
    snmp_pdu *response = nullptr;
    const int result = KtSNMPSession->SyncSend(target, write, Security.SecurityLevel, pdu, &response);
    code = MapResult(result).Code;
    return response;
}

void KtSNMPRequest::SendAsync(snmp_pdu *pdu, const KtSNMPTarget &target, bool write, bool decode,
                              KtSNMPCallback callback, void *userData)
{
    SendAsyncThen(
        pdu, target, write,
        [this, target, decode, callback = std::move(callback), userData](int result, snmp_pdu *response) {
            Complete(result, response, target, decode, callback, userData);
        });
}

void KtSNMPRequest::SendAsyncThen(snmp_pdu *pdu, const KtSNMPTarget &target, bool write,
                                  std::function<void(int result, snmp_pdu *response)> then)
{
    auto finished = std::make_shared<bool>(false);
    auto handle = std::make_shared<quint64>(0);
    ++Pending;
    try {
        *handle = KtSNMPSession->AsyncSend(
            target, write, Security.SecurityLevel, pdu,
            [this, then = std::move(then), finished, handle](int result, snmp_pdu *response) {
                *finished = true;
                outstanding_.remove(*handle);
                then(result, response);
            });
    } catch (const KtException &error) {
        --Pending;
        RaiseMapped(MapResult(error.Code));
    }
    if (!*finished)
        outstanding_.insert(*handle);
}

void KtSNMPRequest::Complete(int libraryResult, snmp_pdu *response, const KtSNMPTarget &target, bool decode,
                             const KtSNMPCallback &callback, void *userData)
{
    if (libraryResult == KtLibraryResult::SessionDestroyed) {
        --Pending;
        return;
    }
    KtSNMPError error = RecordOf(libraryResult, response, target);
    if (response && ((error.Code == 0 && decode) || (error.Code == kNoSuchName && Vars.IsTable())))
        error = DecodeStep(error, BindingsOf(response));
    InvokeCallback(callback, userData, error, Vars);
    --Pending;
}

KtSNMPError KtSNMPRequest::RecordOf(int libraryResult, const snmp_pdu *response, const KtSNMPTarget &target)
{
    const KtMappedResult mapped = MapResult(libraryResult);
    KtSNMPError error;
    error.Code = mapped.Code;
    error.Message = mapped.Message;
    error.ErrorIndex = response ? int(response->errindex) : 0;
    error.AgentAddress = target.Peer.section(QLatin1Char(':'), 1, 1);
    error.AgentPort = target.Port;
    error.Finished = true;
    return error;
}

void KtSNMPRequest::InvokeCallback(const KtSNMPCallback &callback, void *userData, const KtSNMPError &error,
                                   KtSNMPVarList &vars)
{
    // The callback runs inside the SNMP library: nothing may escape into it.
    try {
        if (callback)
            callback(userData, error, vars);
    } catch (const std::exception &failure) {
        qWarning("SNMP callback failed: %s", failure.what());
    }
}

bool KtSNMPRequest::ReadSync(bool first)
{
    if (!Enabled)
        return false;
    if (WalksInBulk())
        return ReadBulkSync(first);
    const KtSNMPTarget target = BuildTarget(Device, Security, TimeOut, Retries);
    snmp_pdu *pdu = BuildPdu(first ? Purpose::ReadFirst : Purpose::ReadNext);
    int code = 0;
    PduPtr response(SendSync(pdu, target, false, code));
    if (code != 0 && !(code == kNoSuchName && Vars.IsTable()))
        KtRaise(code);
    Decoded decoded{code, KtErrorText(code)};
    Decode(response.get(), decoded, true);
    return decoded.RowDelivered;
}

void KtSNMPRequest::ReadAsync(KtSNMPCallback callback, void *userData, bool first)
{
    if (!Enabled)
        return;
    if (WalksInBulk()) {
        ReadBulkAsync(std::move(callback), userData, first);
        return;
    }
    const KtSNMPTarget target = BuildTarget(Device, Security, TimeOut, Retries);
    snmp_pdu *pdu = BuildPdu(first ? Purpose::ReadFirst : Purpose::ReadNext);
    SendAsync(pdu, target, false, true, std::move(callback), userData);
}

void KtSNMPRequest::PrepareWrite(const QString &selection, const QStringList *source)
{
    if (selection.isEmpty())
        return;
    KtNumList<int> positions;
    positions.Delimiter = ',';
    positions.Parse(selection);
    for (int i = 0; i < Vars.Count(); ++i) {
        KtSNMPVar &var = Vars.Get(i);
        const int at = positions.IndexOf(i);
        if (at < 0) {
            var.Access |= AccessSkip;
            continue;
        }
        var.Access &= ~AccessSkip;
        if (source && at < source->size())
            var.Value = source->at(at);
    }
}

// The PDU of one write: the selection's skip marks and source values and the
// write formulas last only for this PDU, so the list is put back as it was
// (also when building the target or the PDU raises).
snmp_pdu *KtSNMPRequest::BuildWritePdu(const QString &selection, const QStringList *source,
                                       KtSNMPTarget &target)
{
    KtSNMPVarList kept;
    kept = Vars;
    snmp_pdu *pdu = nullptr;
    try {
        PrepareWrite(selection, source);
        for (int i = 0; i < Vars.Count(); ++i)
            ApplyFormula(i, false);
        target = BuildTarget(Device, Security, TimeOut, Retries);
        pdu = BuildPdu(Purpose::Write);
        // A write of no variable is no write: an empty SET would be
        // answered "Ok" with nothing changed. Nothing is sent, and the
        // caller's status line says why.
        if (!pdu->variables) {
            snmp_free_pdu(pdu);
            pdu = nullptr;
            throw KtException(QStringLiteral("Nothing to write: no value is chosen."), kNothingToWrite);
        }
    } catch (...) {
        Vars = kept;
        throw;
    }
    Vars = kept;
    return pdu;
}

bool KtSNMPRequest::WriteSync(bool decode, const QString &selection, const QStringList *source)
{
    if (!Enabled)
        return false;
    KtSNMPTarget target;
    snmp_pdu *pdu = BuildWritePdu(selection, source, target);
    int code = 0;
    PduPtr response(SendSync(pdu, target, true, code));
    if (code != 0)
        KtRaise(code);
    if (!decode)
        return false;
    Decoded decoded{code, KtErrorText(code)};
    Decode(response.get(), decoded, true);
    return decoded.RowDelivered;
}

void KtSNMPRequest::WriteAsync(KtSNMPCallback callback, void *userData, bool decode, const QString &selection,
                               const QStringList *source)
{
    if (!Enabled)
        return;
    KtSNMPTarget target;
    snmp_pdu *pdu = BuildWritePdu(selection, source, target);
    SendAsync(pdu, target, true, decode, std::move(callback), userData);
}

// ---- bulk table walks ---------------------------------------------------------

// SNMPv1 has no GetBulk; a device whose agent gets it wrong is configured
// to walk with get-next.
bool KtSNMPRequest::WalksInBulk() const
{
    return Vars.IsTable() && (Security.Version == 1 || Security.Version == 3) && Device.UseGetBulk;
}

void KtSNMPRequest::StartBulkWalk()
{
    bulk_.Clear();
    for (int i = 0; i < Vars.Count(); ++i)
        if (Vars.IsReadable(i))
            Vars.Get(i).CurrentOid.clear();
}

// The names the get-next walk would ask for next: the columns at the start,
// then every readable variable's CurrentOid.
QStringList KtSNMPRequest::WalkNames(bool first) const
{
    QStringList names;
    for (int i = 0; i < Vars.Count(); ++i)
        if (Vars.IsReadable(i))
            names << (first ? BaseOid(i) : Vars.Get(i).CurrentOid);
    return names;
}

snmp_pdu *KtSNMPRequest::BuildBulkPdu(const QStringList &names, int repetitions) const
{
    PduPtr pdu(NewPdu(SNMP_MSG_GETBULK));
    pdu->non_repeaters = 0;
    pdu->max_repetitions = repetitions;
    for (const QString &name : names) {
        bool ok = false;
        const KtVb vb(KtOid::FromText(name, &ok));
        if (!ok)
            RaiseMapped(MapResult(-17)); // invalid object identifier
        AddToPdu(pdu.get(), vb);
    }
    return pdu.release();
}

// Decodes the bindings of one response or one get-next step of a bulk walk
// into the list and gives the record its outcome; a failing decode is the
// record's error, for the callback, never an exception.
KtSNMPError KtSNMPRequest::DecodeStep(const KtSNMPError &outcome, const std::vector<KtVb> &bindings)
{
    KtSNMPError record = outcome;
    Decoded decoded{record.Code, record.Message};
    try {
        DecodeBindings(bindings, decoded, false);
        record.Code = decoded.Code;
        record.Message = decoded.Message;
        record.Finished = decoded.Finished;
    } catch (const KtException &failure) {
        record.Code = failure.Code;
        record.Message = failure.Message;
        record.Finished = true;
    }
    return record;
}

bool KtSNMPRequest::ReadBulkSync(bool first)
{
    if (first)
        StartBulkWalk();
    const QStringList names = WalkNames(first);
    std::vector<KtVb> answers;
    if (first || !bulk_.Answer(names, answers)) {
        FetchBulkSync(names);
        answers = bulk_.FirstAnswers(names);
    }
    Decoded decoded{0, KtErrorText(0)};
    DecodeBindings(answers, decoded, true);
    return decoded.RowDelivered;
}

void KtSNMPRequest::FetchBulkSync(const QStringList &names)
{
    const KtSNMPTarget target = BuildTarget(Device, Security, TimeOut, Retries);
    for (;;) {
        const int repetitions = bulk_.MaxRepetitions(names);
        int code = 0;
        PduPtr response(SendSync(BuildBulkPdu(names, repetitions), target, false, code));
        if (code == kTooBig && bulk_.Shrink(repetitions))
            continue;
        if (code != 0)
            KtRaise(code);
        bulk_.Store(names, BindingsOf(response.get()));
        return;
    }
}

void KtSNMPRequest::ReadBulkAsync(KtSNMPCallback callback, void *userData, bool first)
{
    if (first) {
        StartBulkWalk();
    } else if (delivering_) {
        next_ = {true, std::move(callback), userData};
        return;
    }
    SendBulk(WalkNames(first), first, std::move(callback), userData);
}

void KtSNMPRequest::SendBulk(const QStringList &names, bool first, KtSNMPCallback callback, void *userData)
{
    const KtSNMPTarget target = BuildTarget(Device, Security, TimeOut, Retries);
    const int repetitions = bulk_.MaxRepetitions(names);
    snmp_pdu *pdu = BuildBulkPdu(names, repetitions);
    SendAsyncThen(pdu, target, false,
                  [this, target, names, first, repetitions, callback = std::move(callback),
                   userData](int result, snmp_pdu *response) {
                      CompleteBulk(result, response, target, names, first, repetitions, callback, userData);
                  });
}

void KtSNMPRequest::CompleteBulk(int libraryResult, snmp_pdu *response, const KtSNMPTarget &target,
                                 const QStringList &names, bool first, int repetitions,
                                 const KtSNMPCallback &callback, void *userData)
{
    if (libraryResult == KtLibraryResult::SessionDestroyed) {
        --Pending;
        return;
    }
    KtSNMPError error = RecordOf(libraryResult, response, target);
    if (error.Code == kTooBig && Enabled && bulk_.Shrink(repetitions)) {
        try {
            SendBulk(names, first, callback, userData);
            --Pending;
            return;
        } catch (const KtException &failure) {
            error.Code = failure.Code;
            error.Message = failure.Message;
        }
    }
    if (error.Code != 0 || !response) {
        InvokeCallback(callback, userData, error, Vars);
    } else {
        bulk_.Store(names, BindingsOf(response));
        DeliverBulkRows(error, names, callback, userData);
    }
    --Pending;
}

// Hands the rows of one response to the callback one by one, as the
// get-next walk would have received them, for as long as the callback goes
// on with the walk and the response answers its next step; then asks the
// agent for the next rows.
void KtSNMPRequest::DeliverBulkRows(const KtSNMPError &outcome, const QStringList &names,
                                    KtSNMPCallback callback, void *userData)
{
    std::vector<KtVb> answers = bulk_.FirstAnswers(names);
    for (;;) {
        const KtSNMPError record = DecodeStep(outcome, answers);
        next_ = {};
        delivering_ = true;
        InvokeCallback(callback, userData, record, Vars);
        delivering_ = false;
        if (!next_.Requested || !Enabled)
            return;
        callback = std::move(next_.Callback);
        userData = next_.UserData;
        next_ = {};
        const QStringList nextNames = WalkNames(false);
        if (bulk_.Answer(nextNames, answers))
            continue;
        try {
            SendBulk(nextNames, false, callback, userData);
        } catch (const KtException &failure) {
            KtSNMPError error = outcome;
            error.Code = failure.Code;
            error.Message = failure.Message;
            error.Finished = true;
            InvokeCallback(callback, userData, error, Vars);
        }
        return;
    }
}
