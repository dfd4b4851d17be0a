#pragma once

#include <QString>
#include <QStringView>
#include <compare>
#include <initializer_list>
#include <vector>

// An object identifier: a sequence of 32-bit sub-identifiers with the dotted
// text form "1.3.6.1.2.1".
class KtOid
{
public:
    KtOid() = default;
    KtOid(std::initializer_list<quint32> ids) : ids_(ids) {}
    explicit KtOid(std::vector<quint32> ids) : ids_(std::move(ids)) {}

    // Dotted decimal, blanks around it and one leading "." allowed. Every
    // sub-identifier needs at least one digit and must fit 32 bits; any other
    // text (the empty text included) gives an empty OID and *ok false.
    static KtOid FromText(QStringView text, bool *ok = nullptr);
    QString ToText() const;

    int Size() const { return int(ids_.size()); }
    bool IsEmpty() const { return ids_.empty(); }
    quint32 operator[](int i) const { return ids_.at(i); }
    const std::vector<quint32> &Ids() const { return ids_; }

    bool StartsWith(const KtOid &prefix) const;
    void Append(quint32 id) { ids_.push_back(id); }
    void Append(const KtOid &other) { ids_.insert(ids_.end(), other.ids_.begin(), other.ids_.end()); }

    // Lexicographic order of the sub-identifiers, as in a MIB walk.
    auto operator<=>(const KtOid &) const = default;
    bool operator==(const KtOid &) const = default;

private:
    std::vector<quint32> ids_;
};
