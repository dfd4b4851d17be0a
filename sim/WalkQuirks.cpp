#include "WalkQuirks.h"

#include <charconv>

namespace {

bool parseNumber(std::string_view text, SubId &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

bool WalkQuirks::hides(const Oid &instance) const
{
    for (const Gap &gap : gaps)
        if (instance.size() == gap.column.size() + 1 && instance.startsWith(gap.column)) {
            const SubId index = instance[gap.column.size()];
            if (index >= gap.first && index <= gap.last)
                return true;
        }
    return false;
}

bool WalkQuirks::addGap(const std::string &spec)
{
    const auto colon = spec.find(':');
    if (colon == std::string::npos)
        return false;
    const auto column = Oid::parse(std::string_view(spec).substr(0, colon));
    const std::string_view range = std::string_view(spec).substr(colon + 1);
    const auto dash = range.find('-');
    Gap gap;
    if (!column || !parseNumber(range.substr(0, dash), gap.first))
        return false;
    gap.last = gap.first;
    if (dash != std::string_view::npos && !parseNumber(range.substr(dash + 1), gap.last))
        return false;
    gap.column = *column;
    gaps.push_back(gap);
    return gap.first <= gap.last;
}
