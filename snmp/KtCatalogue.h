#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

// One message catalogue: a table of texts indexed from 0. Every catalogue
// starts with its built-in texts; LoadCatalogue may replace them from a file.
// A loaded file may hold fewer entries than the built-in table; lookups past
// the loaded entries fall back to the built-in text of that entry.
class KtCatalogue
{
public:
    KtCatalogue(std::initializer_list<const char *> builtIn);

    // Entry n: the loaded text if the file had one, else the built-in text,
    // else an empty text.
    QString Text(int entry) const;
    QString operator[](int entry) const { return Text(entry); }

    int BuiltInCount() const { return int(builtIn_.size()); }
    int LoadedCount() const { return int(loaded_.size()); }

    // Forgets any loaded texts (the built-in texts come back).
    void Reset() { loaded_.clear(); }

private:
    friend bool LoadCatalogue(KtCatalogue &table, const QString &path);

    QStringList builtIn_;
    QStringList loaded_;
};

// Replaces a catalogue's texts from a text file with one message per line
// (blank lines skipped, other lines kept untrimmed). A file that cannot be
// read, holds no message or is not a text file leaves the table unchanged.
// Returns whether the table was replaced.
bool LoadCatalogue(KtCatalogue &table, const QString &path);

// The seven catalogues, in load order.
extern KtCatalogue CommonErr;    // errmsg/common.err
extern KtCatalogue SnmpErr;      // errmsg/snmp.err: error status s is entry s - 1
extern KtCatalogue SnmpV3Err;    // errmsg/snmpv3.err: code -(200 + n) is entry n - 1
extern KtCatalogue SnmpUsmErr;   // errmsg/snmpusm.err: code -(300 + n) is entry n - 1
extern KtCatalogue SnmpClassErr; // errmsg/snmpclass.err: code -(400 + n) is entry n - 1
extern KtCatalogue KtSnmpErr;    // errmsg/ktsnmp.err: code -(500 + n) is entry n
extern KtCatalogue SnmpMsg;      // errmsg/snmp.msg: status-line templates

struct KtCatalogueFile
{
    KtCatalogue *Table;
    const char *FileName; // relative to the module directory
};
extern const KtCatalogueFile KtCatalogueFiles[7];

// Loads all seven catalogues from moduleDir (a prefix, joined as written:
// it is expected to end with a separator or be empty).
void LoadAllCatalogues(const QString &moduleDir);

// Puts every catalogue back to its built-in texts.
void ResetAllCatalogues();

// The catalogue text for an application error code, 0 included
// (the mapping of codes to catalogue entries is fixed in the program).
QString KtErrorText(int code);
