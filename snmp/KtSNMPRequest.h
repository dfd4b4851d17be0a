#pragma once

#include "KtBulkRepetitions.h"
#include "KtSNMPEngine.h"
#include "KtSNMPVarList.h"
#include "KtTableWalk.h"
#include "KtValueConversion.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct snmp_pdu;
struct KtSNMPTarget;

// The outcome of one asynchronous send, handed to the caller's callback.
struct KtSNMPError
{
    int Code = 0; // application result code, 0 for success
    int ErrorIndex = 0;
    QString Message;
    QString AgentAddress;
    quint16 AgentPort = 0;
    bool Finished = true; // no further row follows for this operation
};

// callback(user data, outcome, the request's variables)
using KtSNMPCallback = std::function<void(void *userData, const KtSNMPError &error, KtSNMPVarList &vars)>;

// An application code and its catalogue text.
struct KtMappedResult
{
    int Code = 0;
    QString Message;
};

// Maps a result of the SNMP library (KtLibraryResult space) to an
// application code and its message:
//   0, 1400 and -1401            -> 0
//   1 to 18 (error status)       -> -101 to -118
//   -1402 to -1418 (v3 message)  -> -201 to -217
//   1401 to 1414 (user security) -> -301 to -314
//   -1 to -23 (session; -5 time-out) -> -401 to -423
//   anything else                -> -528
KtMappedResult MapResult(int libraryResult);

// Codes of a table walk that stopped before the end of the table; the rows
// read until then stand.
enum KtWalkStop : int
{
    KtWalkNotIncreasing = -541, // the agent answered with an OID that does not increase
    KtWalkCut = -542,           // the row limit was reached and the agent offers more
    KtWalkNoAnswer = -543,      // two GetBulk answers in a row held nothing asked for
};
bool IsWalkStop(int code);

// The one object through which windows talk SNMP: a variable list, a copy of
// the device settings, and the operations that read and write the list on the
// agent, synchronously or asynchronously, walking tables one row per response.
class KtSNMPRequest
{
public:
    KtSNMPRequest();
    virtual ~KtSNMPRequest();

    KtSNMPRequest(const KtSNMPRequest &) = delete;
    KtSNMPRequest &operator=(const KtSNMPRequest &) = delete;

    // Conversions, in their fixed slot order.
    virtual QString SubstituteVariables(const QString &text, QChar marker, bool quoteStrings);
    virtual QString IndexToValue(int i, const QString &suffix);
    virtual QString ValueToIndex(int i);
    virtual void VbToText(int i, const KtVb &vb);
    virtual void TextToVb(int i, KtVb &vb);
    virtual void ApplyFormula(int i, bool afterRead);
    virtual bool EvaluateCondition(const QString &text);
    virtual bool IsOutsideColumn(const QString &baseOid, const QString &currentOid,
                                 const QString &receivedOid);

    // One read. first starts the operation (table walks at the columns);
    // otherwise a walk goes on from every variable's CurrentOid. Returns true
    // when a table row was delivered and the walk goes on.
    bool ReadSync(bool first);
    void ReadAsync(KtSNMPCallback callback, void *userData, bool first);

    // One set. selection: comma-separated 0-based positions taking part
    // (empty: all); source: texts for the selected variables, in selection
    // order. The list shows its old values again afterwards.
    bool WriteSync(bool decode, const QString &selection = {}, const QStringList *source = nullptr);
    void WriteAsync(KtSNMPCallback callback, void *userData, bool decode, const QString &selection = {},
                    const QStringList *source = nullptr);

    // Gives up the outstanding asynchronous sends at once: their answers
    // never reach this request, and nothing more is sent.
    void Abandon();

    bool ConditionHolds(const QString &text) { return EvaluateCondition(text); }
    bool RowConditionHolds() { return EvaluateCondition(Condition); }

    void DecodeIndex(const QString &suffix);
    QString EncodeIndex();
    // The instance part of the OIDs of the row a table walk delivered last.
    const QString &RowIndex() const { return rowIndex_; }

    bool UseGetNext = false;
    qint32 TimeOut = 100;
    qint32 Retries = 1;
    KtSNMPDevice Device;
    KtSNMPScope Scope;
    KtSNMPSecurity Security;
    KtSNMPVarList Vars;
    QString Condition;
    bool Enabled = true;
    qint32 Pending = 0;
    // A table walk delivers at most this many rows, then stops with
    // KtWalkCut when the agent offers more; copied from the device settings.
    qint32 RowLimit = 0;

protected:
    struct Decoded
    {
        int Code = 0;
        QString Message;
        bool Finished = true;
        bool RowDelivered = false;
    };
    // Writes a response into the list: values, CurrentOid texts, the row's
    // index, formulas. Never reads past the response's last binding.
    void Decode(snmp_pdu *response, Decoded &outcome, bool raiseEndOfView);
    // The same for the bindings of one get-next step, one per readable
    // variable (fewer when the response left some out).
    void DecodeBindings(const std::vector<KtVb> &bindings, Decoded &outcome, bool raiseEndOfView);

private:
    enum class Purpose
    {
        ReadFirst,
        ReadNext,
        Write
    };

    QString BaseOid(int i) const;
    snmp_pdu *NewPdu(int command) const;
    snmp_pdu *BuildPdu(Purpose purpose);
    int OperationFor(Purpose purpose) const;
    void PrepareWrite(const QString &selection, const QStringList *source);
    snmp_pdu *BuildWritePdu(const QString &selection, const QStringList *source, KtSNMPTarget &target);
    void SendAsync(snmp_pdu *pdu, const KtSNMPTarget &target, bool write, bool decode,
                   KtSNMPCallback callback, void *userData);
    void SendAsyncThen(snmp_pdu *pdu, const KtSNMPTarget &target, bool write,
                       std::function<void(int result, snmp_pdu *response)> then);
    void Complete(int libraryResult, snmp_pdu *response, const KtSNMPTarget &target, bool decode,
                  const KtSNMPCallback &callback, void *userData);
    static KtSNMPError RecordOf(int libraryResult, const snmp_pdu *response, const KtSNMPTarget &target);
    static void InvokeCallback(const KtSNMPCallback &callback, void *userData, const KtSNMPError &error,
                               KtSNMPVarList &vars);
    snmp_pdu *SendSync(snmp_pdu *pdu, const KtSNMPTarget &target, bool write, int &code);

    // Table walks: the columns are lined up by index (KtTableWalk); their
    // answers come from get-next or, with SNMPv2c and SNMPv3, from GetBulk.
    bool WalksInBulk() const;
    void StartWalk();
    std::vector<int> WalkColumnVars() const;
    KtSNMPError WalkStep(const KtSNMPError &outcome);
    KtSNMPError DeliverRow(const KtSNMPError &outcome);
    KtSNMPError StopWalk(const KtSNMPError &outcome, int code, const QString &message);
    // The walk needs another answer from the agent before its next step.
    bool NeedsAnswer() const;
    void EndWalkValues();
    QStringList AskedNames();
    snmp_pdu *BuildWalkPdu(const QStringList &names, int &repetitions);
    // Takes the bindings of one answer into the walk; false when the walk
    // cannot go on, the reason in the record.
    bool TakeAnswer(int code, int errorIndex, const std::vector<KtVb> &bindings, KtSNMPError &record);
    bool ReadWalkSync(bool first);
    void ReadWalkAsync(KtSNMPCallback callback, void *userData, bool first);
    void RunWalk(KtSNMPError outcome, KtSNMPCallback callback, void *userData);
    void SendWalk(KtSNMPCallback callback, void *userData);
    void CompleteWalk(int libraryResult, snmp_pdu *response, const KtSNMPTarget &target, int repetitions,
                      const KtSNMPCallback &callback, void *userData);
    KtSNMPError DecodeStep(const KtSNMPError &outcome, const std::vector<KtVb> &bindings);

    KtValueConversion conversion_;
    QSet<quint64> outstanding_;
    KtTableWalk walk_;
    KtBulkRepetitions repetitions_;
    std::vector<int> asked_; // the walk's columns the last request asked for
    QString rowIndex_;
    int rowsDelivered_ = 0;
    int emptyAnswers_ = 0;
    // Why the walk cannot go on once the rows it holds are delivered.
    std::optional<KtSNMPError> stop_;
    // While a callback runs from RunWalk, a ReadAsync that goes on with the
    // walk is only noted here; the loop then takes the next step.
    struct Continuation
    {
        bool Requested = false;
        KtSNMPCallback Callback;
        void *UserData = nullptr;
    };
    bool delivering_ = false;
    Continuation next_;
};
