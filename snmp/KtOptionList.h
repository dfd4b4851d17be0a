#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One {value, name} pair of a static numeric enumeration table. A table ends
// at the first pair whose Name is null ({} as the last row); a real pair may
// have the value 0.
struct KtOptionDef
{
    qint32 Value;
    const char *Name;
};

// One {value text, name} pair of a static text or prefix enumeration table,
// ended the same way.
struct KtOptionTextDef
{
    const char *Value;
    const char *Name;
};

enum KtOptionKind : int
{
    OptionNumeric = 1, // the value is a 32-bit number
    OptionText = 2,    // the value is a text
    OptionPrefix = 3,  // the value and the name are text prefixes
};

// Maps between the value that travels over SNMP and the name the user sees.
// Built once from a static pair table; descriptors point to it.
//
//   constexpr KtOptionDef FdbStatusPairs[] = {
//       {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {}};
//   const KtOptionList FdbStatus(FdbStatusPairs);
//
// KtOptionControls (binding/) shows a list in a combo box or radio group.
class KtOptionList
{
public:
    struct Entry
    {
        qint32 Number = 0; // numeric lists
        QString Text;      // text and prefix lists
        QString Name;
    };

    explicit KtOptionList(const KtOptionDef *pairs, bool caseSensitive = false);
    KtOptionList(const KtOptionTextDef *pairs, KtOptionKind kind, bool caseSensitive = false);

    void Append(const KtOptionDef *pairs);
    void Append(const KtOptionTextDef *pairs);

    KtOptionKind Kind() const { return kind_; }
    bool CaseSensitive() const { return caseSensitive_; }
    int Count() const { return int(entries_.size()); }
    const Entry &Get(int i) const { return entries_.at(i); }

    // First matching entry, or -1.
    int IndexOfName(const QString &text) const;
    int IndexOfValue(const QString &text) const;

    // Unchanged text when nothing matches.
    QString ValueToName(const QString &text) const;
    QString NameToValue(const QString &text) const;

    // The entry a control selects for a text: by name, failing that by value.
    int IndexOfNameOrValue(const QString &text) const;

    QStringList Names() const;

private:
    bool SameText(const QString &a, const QString &b) const;
    bool BeginsWith(const QString &text, const QString &prefix) const;

    KtOptionKind kind_;
    bool caseSensitive_;
    QList<Entry> entries_;
};
