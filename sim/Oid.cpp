#include "Oid.h"

#include <algorithm>
#include <charconv>

std::optional<Oid> Oid::parse(std::string_view text)
{
    if (!text.empty() && text.front() == '.')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::vector<SubId> ids;
    const char *pos = text.data();
    const char *end = text.data() + text.size();
    while (pos < end) {
        SubId id = 0;
        auto [next, error] = std::from_chars(pos, end, id);
        if (error != std::errc() || next == pos)
            return std::nullopt;
        ids.push_back(id);
        pos = next;
        if (pos < end) {
            if (*pos != '.' || pos + 1 == end)
                return std::nullopt;
            ++pos;
        }
    }
    return Oid(std::move(ids));
}

std::string Oid::toString() const
{
    std::string text;
    for (std::size_t i = 0; i < ids_.size(); ++i) {
        if (i)
            text += '.';
        text += std::to_string(ids_[i]);
    }
    return text;
}

bool Oid::startsWith(const Oid &prefix) const
{
    return prefix.size() <= size() && std::equal(prefix.ids_.begin(), prefix.ids_.end(), ids_.begin());
}

Oid Oid::suffix(std::size_t count) const
{
    if (count >= ids_.size())
        return Oid();
    return Oid(std::vector<SubId>(ids_.begin() + static_cast<std::ptrdiff_t>(count), ids_.end()));
}

Oid Oid::child(SubId id) const
{
    Oid result(*this);
    result.ids_.push_back(id);
    return result;
}

Oid Oid::operator+(const Oid &tail) const
{
    Oid result(*this);
    result.ids_.insert(result.ids_.end(), tail.ids_.begin(), tail.ids_.end());
    return result;
}
