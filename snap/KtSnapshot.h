#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <vector>

// One value of a snapshot: where the window shows it and what it was.
struct KtSnapshotEntry
{
    enum class State
    {
        Value,     // read: Text and Raw hold it
        Masked,    // a secret left out of the file
        Unreadable // Text says why
    };

    QString Window;   // menu path
    QString Variable; // display name
    QString Index;    // the row's index as text; empty for scalars
    QString Text;     // the value as the window shows it (enumeration names, addresses)
    QString Oid;      // full OID, instance included
    QString Raw;      // KtRawValue form, for State::Value
    State Status = State::Value;

    // Whether two entries hold the same value; masked and unreadable values
    // compare with nothing.
    bool SameValue(const KtSnapshotEntry &other) const;
    // The value as a report shows it: the text ("" when empty), "(masked)"
    // or "(unreadable: why)".
    QString Shown() const;
};

// A switch's settings at one time: a header and one entry per value, in
// menu order and, within a table, in index order. Its text form is one line
// per value, tab-separated, diff-friendly:
//
//   # qgsnap configuration snapshot 1
//   # address: 127.0.0.1:161
//   # sysDescr: ...
//   # sysObjectID: 1.3.6.1.4.1.47893.1.2312
//   # time: 2026-12-11T09:05:13Z
//   # program: qgsnap 3.01
//   # secrets: masked
//   # window<TAB>variable<TAB>index<TAB>value<TAB>oid<TAB>raw
//   Basic Configuration > System Log > System Log
//   State<TAB>swSysLogCtrlState<TAB><TAB>enabled<TAB>1.3.6.1.4.1.47893.12.12.1.0<TAB>integer:3
//
// The raw field is "(masked)" for a secret and "(unreadable)" for a value
// that could not be read, whose value field then says why. Tabs, line
// breaks and backslashes inside a field are written \t, \n, \r and \\.
class KtSnapshot
{
public:
    static const QString Magic;

    QString Address;
    QString SysDescr;
    QString SysObjectId;
    QString Time;
    QString Program;
    bool WithSecrets = false;
    std::vector<KtSnapshotEntry> Entries;

    QString ToText() const;
    // Reads a text ToText wrote. False, with the line number and what is
    // wrong in *error, for any other text, a raw value that is none among it.
    bool FromText(const QString &text, QString *error);

    // For comparisons: the entries by Key(window, OID), and the rows
    // present as Key(window, index) (a scalar window is one row).
    QHash<QString, const KtSnapshotEntry *> ByOid() const;
    QSet<QString> Rows() const;
    static QString Key(const QString &window, const QString &field);
    // The windows in order of first appearance.
    std::vector<QString> Windows() const;

    static QString Escape(const QString &field);
    static QString Unescape(const QString &field, bool *ok);
};
