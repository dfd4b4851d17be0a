#include "KtAccessSnapshot.h"

#include "KtSNMPVarList.h"

KtAccessSnapshot::KtAccessSnapshot(KtSNMPVarList &vars) : vars_(vars)
{
    saved_.reserve(std::size_t(vars.Count()));
    for (int i = 0; i < vars.Count(); ++i)
        saved_.push_back(vars.Get(i).Access);
}

KtAccessSnapshot::~KtAccessSnapshot()
{
    Restore();
}

void KtAccessSnapshot::Exclude(int column)
{
    if (column >= 0 && column < vars_.Count() && !restored_)
        vars_.Get(column).Access = AccessSkip;
}

void KtAccessSnapshot::ExcludeRange(int first, int last)
{
    for (int column = first; column <= last; ++column)
        Exclude(column);
}

bool KtAccessSnapshot::IsExcluded(int column) const
{
    return column >= 0 && column < vars_.Count() && vars_.Get(column).Access == AccessSkip;
}

void KtAccessSnapshot::Restore()
{
    if (restored_)
        return;
    restored_ = true;
    const int count = std::min(vars_.Count(), int(saved_.size()));
    for (int i = 0; i < count; ++i)
        vars_.Get(i).Access = saved_[std::size_t(i)];
}
