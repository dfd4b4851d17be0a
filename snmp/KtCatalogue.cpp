#include "KtCatalogue.h"

#include "KtRegularFile.h"

#include <cstdio>

KtCatalogue::KtCatalogue(std::initializer_list<const char *> builtIn)
{
    for (const char *text : builtIn)
        builtIn_.append(QString::fromUtf8(text));
}

QString KtCatalogue::Text(int entry) const
{
    if (entry < 0)
        return {};
    if (entry < loaded_.size())
        return loaded_[entry];
    if (entry < builtIn_.size())
        return builtIn_[entry];
    return {};
}

namespace {

// Lines are read as a C runtime reads them into a 1,024-byte buffer: a
// physical line longer than 1,023 bytes arrives as several pieces, each of
// which counts as a line of its own.
constexpr qsizetype kPieceSize = 1023;

// Catalogues hold a few dozen messages in a few kilobytes; beyond these
// limits a file is not a catalogue, and the rest of it is ignored.
constexpr qint64 kMaxCatalogueBytes = 1 << 20;
constexpr qsizetype kMaxCatalogueEntries = 4096;

QList<QByteArray> SplitIntoPieces(const QByteArray &content)
{
    QList<QByteArray> pieces;
    qsizetype pos = 0;
    while (pos < content.size()) {
        qsizetype newline = content.indexOf('\n', pos);
        qsizetype lineEnd = newline < 0 ? content.size() : newline + 1;
        while (pos < lineEnd) {
            qsizetype len = std::min(kPieceSize, lineEnd - pos);
            pieces.append(content.mid(pos, len));
            pos += len;
        }
    }
    return pieces;
}

bool IsBlank(const QByteArray &piece)
{
    for (char c : piece)
        if (static_cast<unsigned char>(c) > ' ')
            return false;
    return true;
}

QByteArray WithoutLineBreak(QByteArray piece)
{
    if (piece.endsWith("\r\n"))
        piece.chop(2);
    else if (piece.endsWith('\n'))
        piece.chop(1);
    return piece;
}

QString DecodeLine(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter))
        return QString::fromLatin1(bytes); // a file saved in a Windows code page
    return text;
}

} // namespace

bool LoadCatalogue(KtCatalogue &table, const QString &path)
{
    const KtFileContent file = KtReadRegularFile(path, kMaxCatalogueBytes);
    if (file.State != KtFileState::Read)
        return false;
    const QByteArray &content = file.Bytes;
    if (content.contains('\0')) {
        std::fprintf(stderr, "qg2312: %s is not a text file; keeping the built-in messages\n",
                     qPrintable(path));
        return false;
    }

    QStringList entries;
    for (const QByteArray &piece : SplitIntoPieces(content)) {
        if (entries.size() == kMaxCatalogueEntries) {
            KtFileNote(
                path, QStringLiteral("more than %1 messages; the rest is ignored").arg(kMaxCatalogueEntries));
            break;
        }
        if (!IsBlank(piece))
            entries.append(DecodeLine(WithoutLineBreak(piece)));
    }
    if (entries.isEmpty())
        return false;
    table.loaded_ = entries;
    return true;
}

// clang-format off
KtCatalogue CommonErr{
    "(KtCommon) Ok!",
    "(KtCommon) Bad logic operand!",
    "(KtCommon) Bad format specifier of edit's constraint!",
    "(KtCommon) Empty value is not allowed!",
    "(KtCommon) Please enter a string whose length is less than [MAXLEN]!",
    "(KtCommon) Please enter a string whose length is [LEN]!",
    "(KtCommon) Please enter a hex string whose length is less than [MAXLEN]!",
    "(KtCommon) Please enter a hex string whose length is [LEN]!",
    "(KtCommon) Please enter a number between [MIN] and [MAX]!",
    "(KtCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is less than [MAXCOUNT]!",
    "(KtCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is equal to [COUNT]!",
    "(KtCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,each number is between [MIN] and [MAX]!",
    "(KtCommon) Out of range at index of array or list!",
    "(KtCommon) Destination buffer is undersize!",
    "(KtCommon) The source to dncrypt is not encrypted!",
    "(KtCommon) Fail to read data from file([FILENAME])!",
    "(KtCommon) Fail to write data to file([FILENAME])!",
    "(KtCommon) Fail to write value in ini file([FILENAME])!",
    "(KtCommon) Fail to read option data from file([FILENAME])!",
};

KtCatalogue SnmpErr{
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

KtCatalogue SnmpV3Err{
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

KtCatalogue SnmpUsmErr{
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
    "(SNMPv3USM) Pass phrase too short: it needs at least 8 characters!",
};

KtCatalogue SnmpClassErr{
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

KtCatalogue KtSnmpErr{
    "(KtSNMP++) Ok!",
    "(KtSNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(KtSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(KtSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(KtSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(KtSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(KtSNMP++) Cannot create the global KtSNMP++ session!",
    "(KtSNMP++) Error when loading SNMP engine boots counter!",
    "(KtSNMP++) Error when saving SNMP engine boots counter!",
    "(KtSNMP++) Invalid IP Address or DNS name!",
    "(KtSNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(KtSNMP++) Bad SNMP syntax!",
    "(KtSNMP++) Null value in the expression!",
    "(KtSNMP++) Bad SNMP syntax in the expression!",
    "(KtSNMP++) Bad key count of SNMP variable list!",
    "(KtSNMP++) Bad item type of SNMP variable list!",
    "(KtSNMP++) Bad item type of associated SNMP variable list!",
    "(KtSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(KtSNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(KtSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(KtSNMP++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "(KtSNMP++) Bad type of the associated visual control!",
    "(KtSNMP++) Count of the associated visual controls is not enough!",
    "(KtSNMP++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "(KtSNMP++) Count of the value items for the chart's history data is not enough!",
    "(KtSNMP++) Log database is not connected!",
    "(KtSNMP++) Log database field not found!",
    "(KtSNMP++) Bad syntax for the history chart of log!",
    "(KtSNMP++) Unknown error code!",
};

KtCatalogue SnmpMsg{
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};
// clang-format on

const KtCatalogueFile KtCatalogueFiles[7] = {
    {&CommonErr, "errmsg/common.err"},       {&SnmpErr, "errmsg/snmp.err"},
    {&SnmpV3Err, "errmsg/snmpv3.err"},       {&SnmpUsmErr, "errmsg/snmpusm.err"},
    {&SnmpClassErr, "errmsg/snmpclass.err"}, {&KtSnmpErr, "errmsg/ktsnmp.err"},
    {&SnmpMsg, "errmsg/snmp.msg"},
};

void LoadAllCatalogues(const QString &moduleDir)
{
    for (const KtCatalogueFile &file : KtCatalogueFiles)
        LoadCatalogue(*file.Table, moduleDir + QString::fromLatin1(file.FileName));
}

void ResetAllCatalogues()
{
    for (const KtCatalogueFile &file : KtCatalogueFiles)
        file.Table->Reset();
}

QString KtErrorText(int code)
{
    if (code == 0)
        return KtSnmpErr.Text(0);
    if (code >= -2 && code <= -1)
        return CommonErr.Text(-code);
    if (code >= -118 && code <= -101)
        return SnmpErr.Text(-code - 101);
    if (code >= -217 && code <= -201)
        return SnmpV3Err.Text(-code - 201);
    if (code >= -315 && code <= -301)
        return SnmpUsmErr.Text(-code - 301);
    if (code >= -423 && code <= -401)
        return SnmpClassErr.Text(-code - 401);
    if (code >= -528 && code <= -501)
        return KtSnmpErr.Text(-code - 500);
    return KtSnmpErr.Text(28);
}
