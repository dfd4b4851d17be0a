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
      Security(KtSNMPDefaults.Security), RowLimit(KtSNMPDefaults.Device.MaxTableRows), conversion_(Vars)
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
    Abandon();
}

void KtSNMPRequest::Abandon()
{
    Enabled = false;
    if (KtSNMPSession)
        for (quint64 handle : std::as_const(outstanding_))
            KtSNMPSession->Cancel(handle);
    outstanding_.clear();
    Pending = 0;
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
            // A value the agent never supplied (a cell the row lacks) is
            // nothing anybody chose: it is not written.
            if (KtIsMissingValue(var.Value))
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

// Decodes the bindings of one response into the list and gives the record
// its outcome; a failing decode is the record's error, for the callback,
// never an exception.
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
    if (Vars.IsTable())
        return ReadWalkSync(first);
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
    if (Vars.IsTable()) {
        ReadWalkAsync(std::move(callback), userData, first);
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

// ---- table walks -------------------------------------------------------------

bool IsWalkStop(int code)
{
    return code == KtWalkNotIncreasing || code == KtWalkCut || code == KtWalkNoAnswer;
}

// SNMPv1 has no GetBulk; a device whose agent gets it wrong is configured
// to walk with get-next.
bool KtSNMPRequest::WalksInBulk() const
{
    return (Security.Version == 1 || Security.Version == 3) && Device.UseGetBulk;
}

std::vector<int> KtSNMPRequest::WalkColumnVars() const
{
    std::vector<int> columns;
    for (int i = 0; i < Vars.Count(); ++i)
        if (Vars.IsReadable(i))
            columns.push_back(i);
    return columns;
}

void KtSNMPRequest::StartWalk()
{
    std::vector<KtOid> columns;
    for (int i : WalkColumnVars()) {
        Vars.Get(i).CurrentOid.clear();
        bool ok = false;
        columns.push_back(KtOid::FromText(BaseOid(i), &ok));
        if (!ok)
            RaiseMapped(MapResult(-17)); // invalid object identifier
    }
    walk_.Start(std::move(columns));
    asked_.clear();
    rowIndex_.clear();
    rowsDelivered_ = 0;
    emptyAnswers_ = 0;
    stop_.reset();
}

bool KtSNMPRequest::NeedsAnswer() const
{
    return !walk_.RowReady() && !walk_.Finished() && !stop_;
}

// The names of the next request: every open column that has no answer
// waiting, from its last answer on.
QStringList KtSNMPRequest::AskedNames()
{
    asked_ = walk_.ColumnsToAsk();
    QStringList names;
    for (int column : asked_)
        names << walk_.NextName(column).ToText();
    return names;
}

snmp_pdu *KtSNMPRequest::BuildWalkPdu(const QStringList &names, int &repetitions)
{
    const bool bulk = WalksInBulk();
    PduPtr pdu(NewPdu(bulk ? SNMP_MSG_GETBULK : SNMP_MSG_GETNEXT));
    repetitions = bulk ? repetitions_.MaxRepetitions(names) : 0;
    if (bulk) {
        pdu->non_repeaters = 0;
        pdu->max_repetitions = repetitions;
    }
    for (const QString &name : names)
        AddToPdu(pdu.get(), KtVb(KtOid::FromText(name)));
    return pdu.release();
}

KtSNMPError KtSNMPRequest::StopWalk(const KtSNMPError &outcome, int code, const QString &message)
{
    KtSNMPError record = outcome;
    record.Code = code;
    record.Message = message;
    record.Finished = true;
    return record;
}

// Takes one answer into the walk. The k-th binding answers the (k mod n)-th
// of the n names asked, so a GetBulk answer gives every column its chain,
// however many repetitions it holds; a column left out is asked again. An
// SNMPv1 agent answers noSuchName for a column that runs off the end of its
// MIB: that column has ended, the others are asked again.
bool KtSNMPRequest::TakeAnswer(int code, int errorIndex, const std::vector<KtVb> &bindings,
                               KtSNMPError &record)
{
    const int width = int(asked_.size());
    if (code == kNoSuchName && errorIndex >= 1 && errorIndex <= width) {
        walk_.End(asked_[size_t(errorIndex - 1)]);
        return true;
    }
    if (code != 0 || width == 0) {
        record.Finished = true;
        return false;
    }
    if (bindings.empty()) {
        if (++emptyAnswers_ < 2)
            return true;
        record = StopWalk(record, KtWalkNoAnswer,
                          QStringLiteral("The agent answered twice without a value for the names asked: "
                                         "the table walk stopped."));
        return false;
    }
    emptyAnswers_ = 0;
    for (size_t at = 0; at < bindings.size() && !stop_; ++at) {
        const int column = asked_[at % size_t(width)];
        const KtOid previous = walk_.NextName(column);
        if (walk_.Take(column, bindings[at]) == KtTableWalk::Taken::NotIncreasing)
            // The rows before it still come; then the walk stops.
            stop_ = StopWalk(record, KtWalkNotIncreasing,
                             QStringLiteral("The agent returned an OID that does not increase (%1 after %2): "
                                            "the table walk stopped.")
                                 .arg(bindings[at].Oid.ToText(), previous.ToText()));
    }
    repetitions_.Learn(bindings, width);
    return true;
}

void KtSNMPRequest::EndWalkValues()
{
    for (int i : WalkColumnVars())
        Vars.Get(i).Value = QStringLiteral("(NOTDONE)");
}

// Writes the next row into the list: the cells the agent has for its index,
// "(NULL)" where a column has no cell in this row, "(NOTDONE)" where a column
// has ended; then the index variables and the read formulas.
KtSNMPError KtSNMPRequest::DeliverRow(const KtSNMPError &outcome)
{
    KtSNMPError record = outcome;
    record.Finished = false;
    const KtTableWalk::Row row = walk_.TakeRow();
    const std::vector<int> columns = WalkColumnVars();
    try {
        for (size_t k = 0; k < columns.size(); ++k) {
            KtSNMPVar &var = Vars.Get(columns[k]);
            if (row.Cells[k]) {
                VbToText(columns[k], *row.Cells[k]);
                var.CurrentOid = row.Cells[k]->Oid.ToText();
            } else {
                var.Value = row.Ended[k] ? QStringLiteral("(NOTDONE)") : QStringLiteral("(NULL)");
            }
        }
        rowIndex_ = row.Index.ToText();
        DecodeIndex(rowIndex_);
        for (int i = 0; i < Vars.Count(); ++i) {
            KtSNMPVar &var = Vars.Get(i);
            if (KtIsMissingValue(var.Value))
                continue;
            try {
                ApplyFormula(i, true);
            } catch (const KtException &failure) {
                // A formula over a cell the row lacks has no value either.
                if (failure.Code != KtErrNullInExpression)
                    throw;
                var.Value = QStringLiteral("(NULL)");
            }
        }
    } catch (const KtException &failure) {
        return StopWalk(record, failure.Code, failure.Message);
    }
    ++rowsDelivered_;
    return record;
}

// The outcome of the walk's next step when no answer is needed for it: the
// next row, the end of the table, or the cut at the row limit.
KtSNMPError KtSNMPRequest::WalkStep(const KtSNMPError &outcome)
{
    if (walk_.RowReady()) {
        if (RowLimit > 0 && rowsDelivered_ >= RowLimit)
            return StopWalk(
                outcome, KtWalkCut,
                QStringLiteral("The table was cut at %1 rows: the agent offers more.").arg(RowLimit));
        return DeliverRow(outcome);
    }
    if (stop_)
        return *stop_;
    EndWalkValues();
    KtSNMPError record = outcome;
    record.Code = 0;
    record.Message = KtErrorText(0);
    record.Finished = true;
    return record;
}

bool KtSNMPRequest::ReadWalkSync(bool first)
{
    if (first)
        StartWalk();
    KtSNMPError record;
    while (NeedsAnswer()) {
        const KtSNMPTarget target = BuildTarget(Device, Security, TimeOut, Retries);
        int repetitions = 0;
        snmp_pdu *pdu = BuildWalkPdu(AskedNames(), repetitions);
        int code = 0;
        PduPtr response(SendSync(pdu, target, false, code));
        if (code == kTooBig && repetitions > 0 && repetitions_.Shrink(repetitions))
            continue;
        record.Code = code;
        record.Message = KtErrorText(code);
        if (!TakeAnswer(code, response ? int(response->errindex) : 0, BindingsOf(response.get()), record))
            throw KtException(record.Message, record.Code);
        record.Code = 0;
        record.Message = KtErrorText(0);
    }
    record = WalkStep(record);
    if (record.Code != 0)
        throw KtException(record.Message, record.Code);
    return !record.Finished;
}

void KtSNMPRequest::ReadWalkAsync(KtSNMPCallback callback, void *userData, bool first)
{
    if (first) {
        StartWalk();
    } else if (delivering_) {
        next_ = {true, std::move(callback), userData};
        return;
    }
    KtSNMPError outcome;
    outcome.Message = KtErrorText(0);
    if (NeedsAnswer()) {
        SendWalk(std::move(callback), userData);
        return;
    }
    RunWalk(outcome, std::move(callback), userData);
}

// Hands the rows the walk holds to the callback one by one, for as long as
// the callback goes on with the walk; then asks the agent for more.
void KtSNMPRequest::RunWalk(KtSNMPError outcome, KtSNMPCallback callback, void *userData)
{
    for (;;) {
        if (NeedsAnswer()) {
            if (!Enabled) {
                // The owner is going away: the walk ends here.
                outcome.Finished = true;
                InvokeCallback(callback, userData, outcome, Vars);
                return;
            }
            try {
                SendWalk(callback, userData);
            } catch (const KtException &failure) {
                InvokeCallback(callback, userData, StopWalk(outcome, failure.Code, failure.Message), Vars);
            }
            return;
        }
        const KtSNMPError record = WalkStep(outcome);
        next_ = {};
        delivering_ = true;
        InvokeCallback(callback, userData, record, Vars);
        delivering_ = false;
        if (record.Finished || !next_.Requested || !Enabled)
            return;
        callback = std::move(next_.Callback);
        userData = next_.UserData;
        next_ = {};
    }
}

void KtSNMPRequest::SendWalk(KtSNMPCallback callback, void *userData)
{
    const KtSNMPTarget target = BuildTarget(Device, Security, TimeOut, Retries);
    int repetitions = 0;
    snmp_pdu *pdu = BuildWalkPdu(AskedNames(), repetitions);
    SendAsyncThen(pdu, target, false,
                  [this, target, repetitions, callback = std::move(callback), userData](int result,
                                                                                        snmp_pdu *response) {
                      CompleteWalk(result, response, target, repetitions, callback, userData);
                  });
}

void KtSNMPRequest::CompleteWalk(int libraryResult, snmp_pdu *response, const KtSNMPTarget &target,
                                 int repetitions, const KtSNMPCallback &callback, void *userData)
{
    if (libraryResult == KtLibraryResult::SessionDestroyed) {
        --Pending;
        return;
    }
    KtSNMPError record = RecordOf(libraryResult, response, target);
    if (record.Code == kTooBig && repetitions > 0 && Enabled && repetitions_.Shrink(repetitions)) {
        try {
            SendWalk(callback, userData);
            --Pending;
            return;
        } catch (const KtException &failure) {
            record = StopWalk(record, failure.Code, failure.Message);
        }
    }
    if (response && TakeAnswer(record.Code, record.ErrorIndex, BindingsOf(response), record)) {
        record.Code = 0;
        record.Message = KtErrorText(0);
        RunWalk(record, callback, userData);
    } else {
        record.Finished = true;
        InvokeCallback(callback, userData, record, Vars);
    }
    --Pending;
}
