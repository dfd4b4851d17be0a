#pragma once

#include "KtBulkWalk.h"
#include "KtSNMPEngine.h"
#include "KtSNMPVarList.h"
#include "KtValueConversion.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

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

    bool ConditionHolds(const QString &text) { return EvaluateCondition(text); }
    bool RowConditionHolds() { return EvaluateCondition(Condition); }

    void DecodeIndex(const QString &suffix);
    QString EncodeIndex();

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

    // Table walks of SNMPv2c and SNMPv3 take their get-next steps from
    // GetBulk responses (KtBulkWalk); the rows are those of the get-next walk.
    bool WalksInBulk() const;
    void StartBulkWalk();
    QStringList WalkNames(bool first) const;
    snmp_pdu *BuildBulkPdu(const QStringList &names, int repetitions) const;
    bool ReadBulkSync(bool first);
    void FetchBulkSync(const QStringList &names);
    void ReadBulkAsync(KtSNMPCallback callback, void *userData, bool first);
    void SendBulk(const QStringList &names, bool first, KtSNMPCallback callback, void *userData);
    void CompleteBulk(int libraryResult, snmp_pdu *response, const KtSNMPTarget &target,
                      const QStringList &names, bool first, int repetitions, const KtSNMPCallback &callback,
                      void *userData);
    void DeliverBulkRows(const KtSNMPError &outcome, const QStringList &names, KtSNMPCallback callback,
                         void *userData);
    KtSNMPError DecodeStep(const KtSNMPError &outcome, const std::vector<KtVb> &bindings);

    KtValueConversion conversion_;
    QSet<quint64> outstanding_;
    KtBulkWalk bulk_;
    // While a callback runs from DeliverBulkRows, a ReadAsync that goes on
    // with the walk is only noted here; the loop then takes the next step.
    struct Continuation
    {
        bool Requested = false;
        KtSNMPCallback Callback;
        void *UserData = nullptr;
    };
    bool delivering_ = false;
    Continuation next_;
};
